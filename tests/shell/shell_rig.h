#pragma once
// A main window whose desktop is faked: message boxes are recorded and
// answered, waits are counted instead of passing, file dialogs return what
// the test chose, the viewer opens nothing, settings live in a temporary
// folder, ending is counted.

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
    std::vector<int> waits;                // milliseconds, in order
    std::function<void(int)> duringWait;   // what the student does while the machine waits
    std::optional<std::filesystem::path> openChoice;
    std::optional<std::filesystem::path> saveChoice;
    int quits = 0;
    QTemporaryDir dir;
    std::unique_ptr<QSettings> settings;
    std::unique_ptr<gui::CMainFrame> frame;

    Lathe& lathe() { return frame->lathe(); }
    LatheState& s() { return frame->lathe().state; }
    void Command(int commandId) { frame->commands().Issue(commandId); }
    std::filesystem::path Path(const char* name) const { return std::filesystem::path(dir.filePath(name).toStdString()); }
};

}  // namespace zan::test
