// The panel's start from its program folder, its window, and the panel side
// of the panel events.

#include <gmock/gmock.h>

#include <fstream>

#include "support/panel_rig.h"

namespace zan::test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

TEST(PanelStartTest, TheFolderGivesParametersOffsetsAndTheCurrentProgram)
{
    TempFolder folder;
    EXPECT_EQ(PanelRig(folder.dir).state().currentProgram, "");  // an empty store

    Parameters parameters = kDefaultParameters;
    parameters[4] = 3000;  // P05 and P06: the rapid rates
    parameters[5] = 1500;
    ToolOffsets offsets{};
    offsets[8] = 2.0;   // tool 5: Z, and X as a radius
    offsets[9] = -3.5;
    ASSERT_TRUE(WriteParameterFile(folder.dir, parameters));
    ASSERT_TRUE(WriteOffsetFile(folder.dir, offsets));
    std::ofstream(folder.dir / "07.zan", std::ios::binary) << std::string("N0000\0\r\n", 8);
    PanelRig rig(folder.dir);
    EXPECT_EQ(rig.state().currentProgram, "07");
    EXPECT_EQ(rig.state().programLength, 8);  // the whole file, as the Edit screen counts it

    rig.state().rapidOn = true;
    rig.state().rapidOverride = 50;
    rig.station.PanelEvent(PanelEventCode::JogRatesAndPosition);
    EXPECT_EQ(rig.machine().jogRateZ, 1500);
    EXPECT_EQ(rig.machine().jogRateX, 750);

    rig.station.PanelEvent(OffsetEvent(5));  // the tool moves by the offset, the read-out by minus it
    EXPECT_FLOAT_EQ(rig.machine().posX, 458.5f);
    EXPECT_FLOAT_EQ(rig.state().displayOffsetZ, -2.0f);
    EXPECT_FLOAT_EQ(rig.state().displayOffsetX, 3.5f);
}

TEST(PanelStartTest, TheFirstShowingOpensInEditThenTheKeyPadThenPaints)
{
    TempFolder folder;
    PanelRig rig(folder.dir);
    rig.fields.Place(FieldId::Prompt, Rect{46, 170, 153, 182});
    rig.Show();
    EXPECT_EQ(rig.state().mode, PanelMode::Edit);
    EXPECT_FALSE(rig.state().painting);
    EXPECT_FALSE(rig.fields.Shown(FieldId::Prompt));
    EXPECT_THAT(rig.window.calls, ElementsAre("open panel", "lamp 1062 on", "screen", "open pad", "screen"));

    rig.window.Clear();  // later repaints of the view only bring the panel up
    rig.Show();
    rig.panel.Paint();
    EXPECT_THAT(rig.window.calls, ElementsAre("open panel"));
}

TEST(PanelStartTest, SpindleAndCoolantEventsRepaintOnlyChangedLamps)
{
    TempFolder folder;
    PanelRig rig(folder.dir);
    rig.station.PanelEvent(PanelEventCode::SpindleLampL);
    rig.station.PanelEvent(PanelEventCode::SpindleLampR);
    rig.station.PanelEvent(PanelEventCode::SpindleLampsOff);
    rig.station.PanelEvent(PanelEventCode::CoolantLampOn);
    rig.station.PanelEvent(PanelEventCode::CoolantLampOn);
    EXPECT_THAT(rig.window.calls, ElementsAre("lamp 1015 on", "screen", "lamp 1015 off", "lamp 1017 on", "screen",
                                              "lamp 1017 off", "screen", "lamp 1008 on"));
    EXPECT_TRUE(rig.state().coolantOn);
}

TEST(PanelStartTest, ResetPutsOutTheSpindleLampsOnlyWhenTheSpindleStopped)
{
    TempFolder folder;
    PanelRig rig(folder.dir);
    rig.Show();
    rig.station.MachineCommand(MachineLetter::SpindleL);
    rig.station.PanelEvent(PanelEventCode::SpindleLampL);
    rig.alerts.answer = false;  // the student keeps the machine as it is
    rig.Click(KeyId::Reset);
    EXPECT_TRUE(rig.panel.LampOn(KeyId::SpindleForward));
    rig.alerts.answer = true;
    rig.Click(KeyId::Reset);
    EXPECT_FALSE(rig.panel.LampOn(KeyId::SpindleForward));
    EXPECT_EQ(rig.state().spindleState, 0);
    EXPECT_THAT(rig.alerts.questions, testing::SizeIs(2));
}

}  // namespace
}  // namespace zan::test
