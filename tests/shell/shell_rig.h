#pragma once
// A main window whose desktop is faked: message boxes are recorded and
// answered, the machine's time is a clock the test moves, file dialogs
// return what the test chose, the viewer opens nothing, settings live in a
// temporary folder, ending is counted.

#include <QSettings>
#include <QTemporaryDir>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "gui/app/main_frame.h"
#include "support/fakes.h"

namespace zan::test {

struct ShellRig {
    ShellRig();
    ShellRig(const ShellRig&) = delete;
    ShellRig& operator=(const ShellRig&) = delete;

    RecordingAlerts alerts;
    RecordingClock clock;  // its waits: what the run loop waited for, ms, in order
    std::optional<std::filesystem::path> openChoice;
    std::optional<std::filesystem::path> saveChoice;
    int quits = 0;
    QTemporaryDir dir;
    std::unique_ptr<QSettings> settings;
    std::unique_ptr<gui::CMainFrame> frame;

    Lathe& lathe() { return frame->lathe(); }
    LatheState& s() { return frame->lathe().state; }
    void Command(int commandId) { frame->commands().Issue(commandId); }
    // The run loop's next turn, when its timer would fire: the clock first
    // moves on to the time the machine asked to come back at.
    bool Turn();
    std::filesystem::path Path(const char* name) const { return std::filesystem::path(dir.filePath(name).toStdString()); }
};

}  // namespace zan::test
