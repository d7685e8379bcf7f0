#include "shell_rig.h"

#include "gui/app/run_loop.h"

namespace zan::test {

ShellRig::ShellRig()
{
    settings = std::make_unique<QSettings>(dir.filePath("settings.ini"), QSettings::IniFormat);
    gui::ShellSetup setup;
    setup.alerts = &alerts;
    setup.clock = &clock;
    setup.chooseOpen = [this] { return openChoice; };
    setup.chooseSave = [this] { return saveChoice; };
    setup.openDocument = [](const std::filesystem::path&) { return true; };
    setup.settings = settings.get();
    setup.quit = [this] { ++quits; };
    setup.startRunLoop = false;  // tests turn the loop themselves
    frame = std::make_unique<gui::CMainFrame>(std::move(setup));
}

bool ShellRig::Turn()
{
    if (const auto due = frame->runLoop().nextDue()) clock.JumpTo(*due);
    return frame->runLoop().Turn();
}

}  // namespace zan::test
