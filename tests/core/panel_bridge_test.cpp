// The two bridges between the operator panel and the machine.

#include <gmock/gmock.h>

#include "core/lathe/messages.h"
#include "support/fakes.h"

namespace zan::test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

struct BridgeTest : ::testing::Test {
    Rig rig;
    void SetUp() override { rig.Cutting(); }
};

TEST_F(BridgeTest, OffsetEventsApplyAPairOrClearIt)
{
    rig.panel.offsets[5] = OffsetPair{2.0, -3.5};
    rig.lathe->PanelEvent(25);
    EXPECT_FLOAT_EQ(rig.s().posZ, 502.0f);
    EXPECT_FLOAT_EQ(rig.s().posX, 458.5f);
    EXPECT_FLOAT_EQ(rig.panel.shownZ, -2.0f);
    EXPECT_FLOAT_EQ(rig.panel.shownX, 3.5f);

    rig.lathe->PanelEvent(20);
    EXPECT_FLOAT_EQ(rig.s().offsetZ, 0);
    EXPECT_FLOAT_EQ(rig.panel.shownX, 0);
    EXPECT_FLOAT_EQ(rig.s().posZ, 502.0f);  // clearing does not move
}

TEST_F(BridgeTest, CodesWithoutAnActionDoNothing)
{
    for (int code : {1, 2, 8, 9, 10, 12, 19, 37, 39, 42, 47, 49, 86, 88, 1000, -5}) rig.lathe->PanelEvent(code);
    EXPECT_THAT(rig.panel.calls, IsEmpty());
    EXPECT_THAT(rig.display.calls, IsEmpty());
}

TEST_F(BridgeTest, OverrideFactorsIgnoreZeroPercent)
{
    rig.panel.overrides.feedPercent = 50;
    rig.panel.overrides.rapidPercent = 25;
    rig.lathe->MachineCommand('P');
    EXPECT_FLOAT_EQ(rig.s().feedFactor, 0.5f);
    EXPECT_FLOAT_EQ(rig.s().rapidFactor, 0.25f);
    rig.panel.overrides.feedPercent = 0;
    rig.lathe->PanelEvent(30);
    EXPECT_FLOAT_EQ(rig.s().feedFactor, 0.5f);
}

TEST_F(BridgeTest, JogRatesFollowTheRapidSwitch)
{
    rig.panel.overrides = PanelOverrides{80, 50, true, 6000, 3001};
    rig.lathe->PanelEvent(87);
    EXPECT_EQ(rig.s().jogRateZ, 3000);
    EXPECT_EQ(rig.s().jogRateX, 1500);
    EXPECT_EQ(rig.panel.positionRefreshes, 1);
    rig.panel.overrides.rapidSelected = false;
    rig.lathe->PanelEvent(87);
    EXPECT_EQ(rig.s().jogRateZ, 24);
    EXPECT_EQ(rig.s().jogRateX, 24);
}

TEST_F(BridgeTest, ResetStopsTheRunAndDropsTheProgram)
{
    rig.s().runFlag = true;
    rig.s().lineIndex = 7;
    rig.s().lineTable.rows[3][0] = 'N';
    rig.lathe->motion.LinearMove(495, 462, 100);
    rig.lathe->PanelEvent(11);
    EXPECT_FALSE(rig.s().runFlag);
    EXPECT_EQ(rig.s().lineIndex, 0);
    EXPECT_EQ(rig.s().lineTable.rows[3][0], 0);
    EXPECT_EQ(rig.lathe->motion.buffer().writeIndex, 0);
    EXPECT_EQ(rig.lathe->motion.buffer().points[0].z, 0.0f);
    EXPECT_THAT(rig.panel.calls, ElementsAre("reset keys", "run complete"));
}

TEST_F(BridgeTest, SpindleNeedsAClampedChuck)
{
    rig.s().spindleState = 0;
    rig.s().chuckOpen = true;
    EXPECT_EQ(rig.lathe->MachineCommand('L'), 0);
    EXPECT_EQ(rig.s().spindleState, 0);
    EXPECT_THAT(rig.alerts.messages, ElementsAre(std::string(msg::kNotClamped)));

    rig.s().chuckOpen = false;
    EXPECT_EQ(rig.lathe->MachineCommand('R'), 1);
    EXPECT_EQ(rig.s().spindleState, 2);
    EXPECT_EQ(rig.display.calls.back(), "refresh 0 98 154 378");
    rig.s().chuckOpen = true;
    rig.lathe->MachineCommand('S');  // stopping needs no check
    EXPECT_EQ(rig.s().spindleState, 0);
}

TEST_F(BridgeTest, ManualStepsAndReferenceReturns)
{
    rig.s().stepValue = 60;  // Z- by 50
    rig.lathe->MachineCommand('r');
    EXPECT_EQ(rig.s().drawnZ, 450);
    rig.s().stepValue = -5;  // X- by 10 on the diameter
    rig.lathe->MachineCommand('r');
    EXPECT_EQ(rig.s().drawnX, 457);
    EXPECT_FALSE(rig.s().directMove);
    EXPECT_THAT(rig.clock.waits, IsEmpty());  // manual steps go at once

    // Reference returns are ignored while a program runs.
    rig.s().runFlag = true;
    for (char c : {'X', 'Z', 'x', 'z'}) rig.lathe->MachineCommand(c);
    EXPECT_EQ(rig.s().drawnZ, 450);
    EXPECT_EQ(rig.s().drawnX, 457);

    rig.s().runFlag = false;
    rig.lathe->MachineCommand('X');
    EXPECT_EQ(rig.s().drawnX, 600);
    rig.lathe->MachineCommand('Z');
    EXPECT_EQ(rig.s().drawnZ, 800);
    EXPECT_FLOAT_EQ(rig.s().posZ, 800);
}

TEST_F(BridgeTest, CoolantToggleRedrawsTheNozzle)
{
    rig.lathe->MachineCommand('C');
    EXPECT_TRUE(rig.s().coolantOn);
    EXPECT_TRUE(rig.display.underTool.back().coolantOn);
    EXPECT_EQ(rig.display.calls.back(), "refresh 500 10 600 110");
}

TEST_F(BridgeTest, PanelSideCodesReachThePanel)
{
    for (int code : {0, 3, 4, 5, 6, 7, 31, 32, 33, 34, 35, 36, 40, 41, 48}) rig.lathe->PanelEvent(code);
    EXPECT_THAT(rig.panel.calls,
                ElementsAre("panel", "spindle 1", "spindle 2", "spindle 0", "run lines", "run complete",
                            "cycle lamp off", "enter", "cycle start", "feed hold", "spindle stop key",
                            "rapid feed", "coolant on", "coolant off", "keypad"));
}

}  // namespace
}  // namespace zan::test
