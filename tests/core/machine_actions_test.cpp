// Clamp, release, initialise, the dialog gates and turning end for end.

#include <gmock/gmock.h>

#include "core/lathe/messages.h"
#include "support/fakes.h"

namespace zan::test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

struct ActionsTest : ::testing::Test {
    Rig rig;
    Lathe& lathe() { return *rig.lathe; }
};

TEST_F(ActionsTest, ReleaseRefusesWhileTurningOrRunning)
{
    rig.s().runFlag = true;  // spindle stopped, program running
    lathe().Release();
    EXPECT_THAT(rig.alerts.messages, ElementsAre(std::string(msg::kSpindleTurning)));
    EXPECT_FALSE(rig.s().chuckOpen);

    rig.s().runFlag = false;
    lathe().Release();
    EXPECT_TRUE(rig.s().chuckOpen);
    EXPECT_EQ(rig.display.calls.back(), "refresh 126 0 232 768");

    rig.s().runFlag = true;
    lathe().Clamp();
    EXPECT_TRUE(rig.s().chuckOpen);
    EXPECT_EQ(rig.alerts.messages.back(), msg::kLatheRunning);
}

TEST_F(ActionsTest, InitialiseAsksFirstAndLeavesTheChuckOpen)
{
    rig.Cutting();
    lathe().MoveTool(400, 380, MoveMode::Cut);
    rig.alerts.answer = false;
    lathe().Initialise();
    EXPECT_EQ(rig.s().drawnZ, 400);
    EXPECT_EQ(rig.s().spindleState, 1);

    rig.alerts.answer = true;
    lathe().Initialise();
    EXPECT_EQ(rig.s().drawnZ, 500);
    EXPECT_EQ(rig.s().drawnX, 462);
    EXPECT_DOUBLE_EQ(rig.s().profile[400], kUncutRow);
    EXPECT_EQ(rig.s().spindleState, 0);
    EXPECT_THAT(rig.alerts.questions, ElementsAre(std::string(msg::kInitialiseQuestion),
                                                   std::string(msg::kInitialiseQuestion)));
    EXPECT_EQ(rig.station->MachineCommand(MachineLetter::SpindleL), 0);
    EXPECT_EQ(rig.alerts.messages.back(), msg::kNotClamped);

    rig.s().runFlag = true;
    lathe().Initialise();
    EXPECT_EQ(rig.alerts.messages.back(), msg::kProgramRunning);
    EXPECT_EQ(rig.alerts.questions.size(), 2u);
}

TEST_F(ActionsTest, DialogGatesAndTheExitQuestion)
{
    EXPECT_FALSE(lathe().MayEditBlank());  // clamped, even with the spindle stopped
    EXPECT_EQ(rig.alerts.messages.back(), msg::kReleaseFirst);
    rig.s().chuckOpen = true;
    EXPECT_TRUE(lathe().MayEditBlank());
    EXPECT_TRUE(lathe().MaySetSpeed());
    rig.s().runFlag = true;
    EXPECT_FALSE(lathe().MayEditBlank());
    EXPECT_EQ(rig.alerts.messages.back(), msg::kLatheRunning);
    EXPECT_FALSE(lathe().MaySetSpeed());
    EXPECT_EQ(rig.alerts.messages.back(), msg::kRunningCannotDo);

    rig.alerts.answer = false;
    EXPECT_FALSE(lathe().ConfirmExit());
    EXPECT_THAT(rig.alerts.questions, ElementsAre(std::string(msg::kExitQuestion)));
}

// The dialog's length counts from the chuck face, which the small layout
// puts at column 119; an empty field keeps its value, a refusal changes nothing.
TEST(BlankCommand, LengthFromTheChuckFaceOfEitherLayout)
{
    for (const bool small : {false, true}) {
        Rig rig(StationOptions{small, ProgramFolder("."), {}});
        EXPECT_TRUE(rig.station->SetBlank("90", "350"));
        EXPECT_EQ(rig.s().blankDiameter, 90);
        EXPECT_EQ(rig.s().blankEnd, small ? 469 : 503);
        EXPECT_TRUE(rig.station->SetBlank("", ""));
        EXPECT_EQ(rig.s().blankEnd, small ? 469 : 503);
        EXPECT_FALSE(rig.station->SetBlank("200", "100"));
        EXPECT_EQ(rig.s().blankDiameter, 90);
        EXPECT_EQ(rig.alerts.messages.back(), "工件直径超出允许范围!");
    }
}

TEST_F(ActionsTest, TraceModeShowsOnlyTheToolArea)
{
    lathe().ToggleTrace();
    EXPECT_EQ(rig.alerts.messages.back(), msg::kTraceOn);
    EXPECT_EQ(rig.display.calls.back(), "refresh 500 362 740 702");
    rig.display.calls.clear();
    rig.s().chuckOpen = true;
    lathe().Clamp();  // the jaws wait until trace mode is off
    EXPECT_THAT(rig.display.calls, IsEmpty());
    lathe().ToggleTrace();
    EXPECT_EQ(rig.alerts.messages.back(), msg::kTraceOff);

    lathe().ToggleTailstock();
    EXPECT_EQ(rig.alerts.messages.back(), msg::kCentreAdded);
    EXPECT_EQ(rig.display.calls.back(), "refresh 500 210 550 272");
}

TEST_F(ActionsTest, TurningEndForEndMirrorsTheBlank)
{
    rig.s().chuckOpen = true;
    for (int k = 0; k < kProfileColumns; ++k) rig.s().profile[k] = k;
    lathe().TurnEndForEnd();
    rig.Settle();
    const auto& p = rig.s().profile;
    EXPECT_DOUBLE_EQ(p[153], 500);
    EXPECT_DOUBLE_EQ(p[500], 153);
    EXPECT_DOUBLE_EQ(p[327], 326);
    EXPECT_DOUBLE_EQ(p[326], 327);
    EXPECT_DOUBLE_EQ(p[152], 152);
    EXPECT_DOUBLE_EQ(p[501], 501);
    EXPECT_THAT(rig.clock.waits, ElementsAre(1000));

    rig.s().blankEnd = 499;  // odd length: the middle column stays
    for (int k = 0; k < kProfileColumns; ++k) rig.s().profile[k] = k;
    lathe().TurnEndForEnd();
    rig.Settle();
    EXPECT_DOUBLE_EQ(p[326], 326);
}

TEST_F(ActionsTest, TurningEndForEndRetractsFirstAndRefusesAfterTheWait)
{
    rig.Cutting();
    lathe().MoveTool(600, 441, MoveMode::Cut);
    lathe().TurnEndForEnd();
    rig.Settle();
    EXPECT_EQ(rig.s().drawnX, 540);
    EXPECT_THAT(rig.clock.waits, ElementsAre(1000));
    EXPECT_THAT(rig.alerts.messages, ElementsAre(std::string(msg::kStopAndRelease)));

    lathe().MoveTool(600, 450, MoveMode::Cut);
    lathe().TurnEndForEnd();
    rig.Settle();
    EXPECT_EQ(rig.s().drawnX, 450);  // far enough down already

    rig.s().runFlag = true;
    lathe().TurnEndForEnd();
    rig.Settle();
    EXPECT_EQ(rig.alerts.messages.back(), msg::kBeingCut);
    EXPECT_EQ(rig.clock.waits.size(), 2u);
}

}  // namespace
}  // namespace zan::test
