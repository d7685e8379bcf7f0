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
    void Event(PanelEventCode code) { rig.station->PanelEvent(code); }
    int Command(MachineLetter letter) { return rig.station->MachineCommand(letter); }
};

TEST_F(BridgeTest, OffsetEventsApplyAPairOrClearIt)
{
    rig.panel.offsets[5] = OffsetPair{2.0, -3.5};
    Event(OffsetEvent(5));
    EXPECT_FLOAT_EQ(rig.s().posZ, 502.0f);
    EXPECT_FLOAT_EQ(rig.s().posX, 458.5f);
    EXPECT_FLOAT_EQ(rig.panel.shownZ, -2.0f);
    EXPECT_FLOAT_EQ(rig.panel.shownX, 3.5f);

    Event(PanelEventCode::ClearOffset);
    EXPECT_FLOAT_EQ(rig.s().offsetZ, 0);
    EXPECT_FLOAT_EQ(rig.panel.shownX, 0);
    EXPECT_FLOAT_EQ(rig.s().posZ, 502.0f);  // clearing does not move
}

TEST_F(BridgeTest, CodesWithoutAnActionDoNothing)
{
    rig.s().runFlag = true;
    rig.s().lineTable.rows[0][0] = 'G';
    rig.station->motion.LinearMove(495, 462, 100);  // a recorded path that must stay
    const LatheState before = rig.s();
    const int recorded = rig.station->motion.buffer().writeIndex;
    rig.display.calls.clear();
    // The codes are numbers on purpose here: the unnamed ones, and those beyond the table.
    for (int code : {1, 2, 8, 9, 10, 12, 19, 37, 39, 42, 47, 49, 86, 88, 1000, -5})
        Event(static_cast<PanelEventCode>(code));
    EXPECT_TRUE(rig.s() == before);
    EXPECT_EQ(rig.station->motion.buffer().writeIndex, recorded);
    EXPECT_THAT(rig.panel.calls, IsEmpty());
    EXPECT_THAT(rig.display.calls, IsEmpty());
    EXPECT_THAT(rig.alerts.messages, IsEmpty());
}

TEST_F(BridgeTest, OverrideFactorsIgnoreZeroPercent)
{
    rig.panel.overrides.feedPercent = 50;
    rig.panel.overrides.rapidPercent = 25;
    Command(MachineLetter::Overrides);
    EXPECT_FLOAT_EQ(rig.s().feedFactor, 0.5f);
    EXPECT_FLOAT_EQ(rig.s().rapidFactor, 0.25f);
    rig.panel.overrides.feedPercent = 0;
    Event(PanelEventCode::Overrides);
    EXPECT_FLOAT_EQ(rig.s().feedFactor, 0.5f);
}

TEST_F(BridgeTest, JogRatesFollowTheRapidSwitch)
{
    rig.panel.overrides = PanelOverrides{80, 50, true, 6000, 3001};
    Event(PanelEventCode::JogRatesAndPosition);
    EXPECT_EQ(rig.s().jogRateZ, 3000);
    EXPECT_EQ(rig.s().jogRateX, 1500);
    EXPECT_EQ(rig.panel.positionRefreshes, 1);
    rig.panel.overrides.rapidSelected = false;
    Event(PanelEventCode::JogRatesAndPosition);
    EXPECT_EQ(rig.s().jogRateZ, 24);
    EXPECT_EQ(rig.s().jogRateX, 24);
}

TEST_F(BridgeTest, ResetStopsTheRunAndDropsTheProgram)
{
    rig.s().runFlag = true;
    rig.s().lineIndex = 7;
    rig.s().lineTable.rows[3][0] = 'N';
    rig.station->motion.LinearMove(495, 462, 100);
    Event(PanelEventCode::Reset);
    EXPECT_FALSE(rig.s().runFlag);
    EXPECT_EQ(rig.s().lineIndex, 0);
    EXPECT_EQ(rig.s().lineTable.rows[3][0], 0);
    EXPECT_EQ(rig.station->motion.buffer().writeIndex, 0);
    EXPECT_EQ(rig.station->motion.buffer().points[0].z, 0.0f);
    EXPECT_THAT(rig.panel.calls, ElementsAre("reset keys", "run complete"));
}

TEST_F(BridgeTest, SpindleNeedsAClampedChuck)
{
    rig.s().spindleState = 0;
    rig.s().chuckOpen = true;
    EXPECT_EQ(Command(MachineLetter::SpindleL), 0);
    EXPECT_EQ(rig.s().spindleState, 0);
    EXPECT_THAT(rig.alerts.messages, ElementsAre(std::string(msg::kNotClamped)));

    rig.s().chuckOpen = false;
    EXPECT_EQ(Command(MachineLetter::SpindleR), 1);
    EXPECT_EQ(rig.s().spindleState, 2);
    EXPECT_EQ(rig.display.calls.back(), "refresh 0 98 154 378");
    rig.s().chuckOpen = true;
    Command(MachineLetter::SpindleStop);  // stopping needs no check
    EXPECT_EQ(rig.s().spindleState, 0);
}

TEST_F(BridgeTest, ManualStepsAndReferenceReturns)
{
    rig.s().stepValue = 60;  // Z- by 50
    Command(MachineLetter::Step);
    EXPECT_EQ(rig.s().drawnZ, 450);
    rig.s().stepValue = -5;  // X- by 10 on the diameter
    Command(MachineLetter::Step);
    EXPECT_EQ(rig.s().drawnX, 457);
    EXPECT_FALSE(rig.s().directMove);
    EXPECT_THAT(rig.clock.waits, IsEmpty());  // manual steps go at once

    // Reference returns are ignored while a program runs.
    rig.s().runFlag = true;
    for (MachineLetter c : {MachineLetter::ReturnX, MachineLetter::ReturnZ, MachineLetter::ClearX, MachineLetter::ClearZ})
        Command(c);
    EXPECT_EQ(rig.s().drawnZ, 450);
    EXPECT_EQ(rig.s().drawnX, 457);

    rig.s().runFlag = false;
    Command(MachineLetter::ReturnX);
    EXPECT_EQ(rig.s().drawnX, 600);
    Command(MachineLetter::ReturnZ);
    EXPECT_EQ(rig.s().drawnZ, 800);
    EXPECT_FLOAT_EQ(rig.s().posZ, 800);
}

TEST_F(BridgeTest, CoolantToggleRedrawsTheNozzle)
{
    Command(MachineLetter::Coolant);
    EXPECT_TRUE(rig.s().coolantOn);
    EXPECT_TRUE(rig.display.underTool.back().coolantOn);
    EXPECT_EQ(rig.display.calls.back(), "refresh 500 10 600 110");
}

TEST_F(BridgeTest, PanelSideCodesReachThePanel)
{
    using enum PanelEventCode;
    for (PanelEventCode code : {ShowPanel, SpindleLampL, SpindleLampR, SpindleLampsOff, ShowRunLines, RunComplete,
                                CycleStartLampOff, PressEnter, PressCycleStart, PressFeedHold, PressSpindleToggle,
                                PressRapidFeed, CoolantLampOn, CoolantLampOff, SecondKeyPad})
        Event(code);
    EXPECT_THAT(rig.panel.calls,
                ElementsAre("panel", "spindle 1", "spindle 2", "spindle 0", "run lines", "run complete",
                            "cycle lamp off", "enter", "cycle start", "feed hold", "spindle stop key",
                            "rapid feed", "coolant on", "coolant off", "keypad"));
}

}  // namespace
}  // namespace zan::test
