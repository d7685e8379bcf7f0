// The whole controller behind the panel's windows: the LCD of every mode
// against its golden picture, and a click on a mode key reaching the panel.
// The screens are the core's; a change there shows here, and the pictures
// are renewed on purpose with tests/gui/update-lcd-golden.sh.

#include <QTemporaryDir>
#include <QTest>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>

#include "core/lathe/quiet_ports.h"
#include "core/station/station.h"
#include "gui/panel/first_panel_dlg.h"
#include "gui/panel/key_button.h"
#include "gui/panel/panel_windows.h"
#include "gui/panel/station_panel_input.h"
#include "golden.h"
#include "view_rig.h"

namespace zan::gui::test {
namespace {

// The glass of the LCD on the panel's picture: the title row to the mode bar.
const QRect kGlass(20, 42, 249, 177);

// A controller with the panel's real windows, in a program folder holding
// one program (the listing's order would otherwise be the file system's).
struct ControllerRig {
    ControllerRig()
    {
        std::ofstream(dir.filePath("01.zan").toStdString(), std::ios::binary) << "N0010 G00 X20 Z5\r\nN0020 M30" << '\0'
                                                                               << "\r\n";
        station = std::make_unique<Station>(ControllerPorts{alerts, clock, windows, windows.fields(), &display},
                                            StationOptions{false, ProgramFolder(dir.path().toStdString()), {}});
        input = std::make_unique<StationPanelInput>(*station);
        windows.Attach(input.get());
    }
    ~ControllerRig() { windows.Attach(nullptr); }
    QImage Lcd() { return windows.panel().backing().copy(kGlass); }

    QTemporaryDir dir;
    RecordingAlerts alerts;
    TestClock clock;
    QuietDisplay display;
    QWidget owner;
    PanelWindows windows{&owner};
    std::unique_ptr<Station> station;
    std::unique_ptr<StationPanelInput> input;
};

// Before the panel opens the screen is the start screen (mode 0); the panel
// opens in Edit, and each mode key shows its mode's screen.
TEST(LcdGolden, EveryModesScreen)
{
    ControllerRig rig;
    rig.station->panel()->Paint();
    EXPECT_EQ(CompareWithGolden(rig.Lcd(), QStringLiteral("mode_0")), "");
    rig.station->PanelEvent(PanelEventCode::ShowPanel);
    for (PanelMode mode : {PanelMode::Edit, PanelMode::Manual, PanelMode::Auto, PanelMode::Parameter,
                           PanelMode::Offset, PanelMode::Diagnosis}) {
        rig.station->panel()->Click(ModeKey(mode));
        const int n = static_cast<int>(mode);
        EXPECT_EQ(CompareWithGolden(rig.Lcd(), QStringLiteral("mode_%1").arg(n)), "") << "mode " << n;
    }
}

// A click on the JOG key of the window switches the controller to Manual
// and redraws the LCD.
TEST(LcdGolden, ClickOnAModeKeyChangesTheMode)
{
    ControllerRig rig;
    rig.station->PanelEvent(PanelEventCode::ShowPanel);
    const QImage before = rig.Lcd();
    QTest::mouseClick(rig.windows.panel().Key(KeyId::ManualMode), Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(rig.station->panel()->state().mode, PanelMode::Manual);
    EXPECT_NE(rig.Lcd(), before);
    EXPECT_TRUE(rig.windows.panel().Key(KeyId::ManualMode)->lampOn());
}

}  // namespace
}  // namespace zan::gui::test
