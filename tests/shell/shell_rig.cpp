#include "shell_rig.h"

namespace zan::test {

ShellRig::ShellRig()
{
    settings = std::make_unique<QSettings>(dir.filePath("settings.ini"), QSettings::IniFormat);
    gui::ShellSetup setup;
    setup.alerts = &alerts;
    setup.waiter = [this](int ms) {
        waits.push_back(ms);
        if (duringWait) duringWait(ms);
    };
    setup.chooseOpen = [this] { return openChoice; };
    setup.chooseSave = [this] { return saveChoice; };
    setup.openDocument = [](const std::filesystem::path&) { return true; };
    setup.settings = settings.get();
    setup.quit = [this] { ++quits; };
    setup.startRunLoop = false;  // tests turn the loop themselves
    frame = std::make_unique<gui::CMainFrame>(std::move(setup));
}

}  // namespace zan::test
