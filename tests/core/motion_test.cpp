// Path generation, playback and pacing.

#include <gmock/gmock.h>

#include <limits>

#include "core/lathe/messages.h"
#include "support/fakes.h"

namespace zan::test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using P = std::pair<float, float>;

struct MotionTest : ::testing::Test {
    Rig rig;
    Motion& motion() { return rig.station->motion; }
    void SetUp() override { rig.Cutting(); }

    std::vector<P> Recorded()
    {
        const PathBuffer& b = motion().buffer();
        std::vector<P> points;
        for (int i = 0; i < b.writeIndex; ++i) points.emplace_back(b.points[i].z, b.points[i].x);
        return points;
    }
    // One point played, its pause passed at once on the virtual clock.
    bool Play()
    {
        bool more = motion().PathStep(-1, -1, PathMode::Play);
        while (more) {
            const auto due = motion().PlayDue();
            if (!due) break;
            rig.clock.JumpTo(*due);
            more = motion().PathStep(-1, -1, PathMode::Play);
        }
        return more;
    }
};

TEST_F(MotionTest, LinearMoveStepsAlongTheMajorAxisAndEndsExactly)
{
    motion().LinearMove(497.5f, 462, 100);  // the third step passes the target by half a unit
    EXPECT_THAT(Recorded(), ElementsAre(P{499, 462}, P{498, 462}, P{497, 462}, P{497.5f, 462}));
    EXPECT_FLOAT_EQ(rig.s().posZ, 497.5f);

    motion().PathStep(0, 0, PathMode::Rewind);
    motion().LinearMove(493.5f, 466, 100);  // minor axis from the start point
    EXPECT_THAT(Recorded(), ElementsAre(P{496.5f, 463}, P{495.5f, 464}, P{494.5f, 465}, P{493.5f, 466},
                                        P{493.5f, 466}));

    motion().PathStep(0, 0, PathMode::Rewind);
    motion().LinearMove(493.5f, 466, 100);  // zero length: the end point only
    EXPECT_THAT(Recorded(), ElementsAre(P{493.5f, 466}));
}

TEST_F(MotionTest, RapidMoveGoesDiagonalThenStraight)
{
    motion().RapidMove(490, 458);
    EXPECT_THAT(Recorded(), ElementsAre(P{499, 461}, P{498, 460}, P{497, 459}, P{496, 458}, P{495, 458},
                                        P{494, 458}, P{493, 458}, P{492, 458}, P{491, 458}, P{490, 458},
                                        P{490, 458}));
    EXPECT_EQ(motion().paceFeed(), 0);  // plays at the rapid pace
}

TEST_F(MotionTest, PlaybackMovesThePointsInOrderWithAPauseEach)
{
    motion().LinearMove(497, 462, 100);  // F100: 100 ms a step
    EXPECT_EQ(rig.s().drawnZ, 500);      // recording does not move the tool
    while (Play()) {}
    EXPECT_EQ(rig.s().drawnZ, 497);
    EXPECT_THAT(rig.clock.waits, ElementsAre(100, 100, 100, 100));
    EXPECT_EQ(motion().buffer().writeIndex, 0);
    EXPECT_FALSE(Play());  // nothing left
}

TEST_F(MotionTest, PaceFollowsFeedAndOverrides)
{
    struct Case { int feed; float feedFactor; float rapidFactor; int ms; };
    const Case cases[] = {{100, 1, 1, 100}, {150, 1, 1, 50}, {200, 1, 1, 0}, {500, 1, 1, 0},
                          {100, 0.5f, 1, 200}, {0, 1, 1, 10}, {0, 1, 0.25f, 40},
                          // F below zero slows down, as far as the longest wait.
                          {-100, 1, 1, 300}, {std::numeric_limits<int>::min(), 1, 1, std::numeric_limits<int>::max()}};
    for (const Case& c : cases) {
        rig.s().feedFactor = c.feedFactor;
        rig.s().rapidFactor = c.rapidFactor;
        motion().Pace(c.feed);
        EXPECT_EQ(motion().StepDelayMs(), c.ms) << c.feed;
    }
    // Speed level 2 shortens the base to 100 ms for good; (100 - 150) ms waits nothing.
    rig.s().speedLevel = 2;
    motion().Pace(150);
    EXPECT_EQ(motion().StepDelayMs(), 0);
    rig.s().speedLevel = 0;
    EXPECT_EQ(motion().StepDelayMs(), 0);
    EXPECT_EQ(motion().paceBase(), 100);
}

TEST_F(MotionTest, FastSpeedsMoveAtOnceWithoutPausing)
{
    rig.s().speedLevel = 3;
    motion().LinearMove(495, 462, 100);
    EXPECT_EQ(rig.s().drawnZ, 495);
    EXPECT_EQ(motion().buffer().writeIndex, 0);
    EXPECT_FALSE(Play());
    EXPECT_THAT(rig.clock.waits, IsEmpty());
}

TEST_F(MotionTest, RefusedStepStopsAndKeepsThePlaybackPlace)
{
    rig.s().directMove = true;
    EXPECT_FALSE(motion().LinearMove(500, 805, 100));
    EXPECT_EQ(rig.s().drawnX, 800);
    EXPECT_EQ(rig.alerts.messages.size(), 1u);  // one alarm, not one per step

    rig.s().directMove = false;
    rig.s().posX = rig.s().drawnX = 462;
    motion().LinearMove(500, 802, 100);
    for (int i = 0; i < 338; ++i) ASSERT_TRUE(Play());
    EXPECT_FALSE(Play());  // row 801
    EXPECT_EQ(motion().buffer().readIndex, 338);
    EXPECT_EQ(rig.s().drawnX, 800);
}

TEST_F(MotionTest, SingleBlockStopsAfterThePathsLastPoint)
{
    rig.s().singleBlock = rig.s().runFlag = true;
    motion().LinearMove(500, 462, 100);  // one point
    EXPECT_FALSE(Play());
    EXPECT_FALSE(rig.s().runFlag);
    EXPECT_THAT(rig.panel.calls, ElementsAre("cycle lamp off"));
}

TEST_F(MotionTest, OverflowGoesDirectAndNeverWritesPastTheBuffer)
{
    rig.s().lockSwitch = true;  // keep the tool out of the way
    for (int i = 0; i < PathBuffer::kCapacity; ++i) motion().PathStep(400, 400, PathMode::Record);
    EXPECT_TRUE(rig.s().directMove);
    rig.s().directMove = false;  // as M03 does
    EXPECT_TRUE(motion().PathStep(401, 400, PathMode::Record));
    EXPECT_EQ(motion().buffer().writeIndex, PathBuffer::kCapacity);
    EXPECT_TRUE(rig.s().directMove);
    motion().PathStep(0, 0, PathMode::Rewind);
    EXPECT_EQ(motion().buffer().writeIndex, 0);
}

TEST_F(MotionTest, MinusOnePlaceholderWarnsAndNegativeDwellDoesNotBlock)
{
    motion().PathStep(-1.0f, 400, PathMode::Record);
    EXPECT_THAT(rig.alerts.messages, ElementsAre(std::string(msg::kMinusOneTranslate)));
    motion().Dwell(2);
    EXPECT_EQ(motion().HoldDue(), 2000);  // nothing moves on for 2 s
    rig.clock.JumpTo(2000);
    motion().Dwell(-3);
    EXPECT_EQ(motion().HoldDue(), std::nullopt);
    EXPECT_THAT(Recorded(), ElementsAre(P{-1, 400}, P{500, 462}, P{500, 462}));  // dwells record where the tool is
}

TEST_F(MotionTest, JogPacesByItsRateAndStopsAtRateZeroOrARefusal)
{
    rig.panel.overrides.rapidSelected = false;
    rig.panel.overrides.feedPercent = 0;  // 0 % feed: jog rate 0, one step
    rig.s().jogActive = true;
    EXPECT_TRUE(motion().JogStep(JogDirection::ZPlus));
    EXPECT_EQ(rig.s().drawnZ, 501);
    EXPECT_FALSE(rig.s().jogActive);
    EXPECT_EQ(motion().JogDue(), std::nullopt);

    rig.panel.overrides.feedPercent = 24;  // 24 % of 30 steps/s: 7 steps a second
    rig.s().jogActive = true;
    EXPECT_TRUE(motion().JogStep(JogDirection::Continue));
    EXPECT_EQ(rig.s().jogRateZ, 7);
    EXPECT_EQ(motion().JogDue(), 142);  // the next step 1000 / 7 ms later
    EXPECT_FALSE(rig.s().directMove);

    rig.s().drawnX = 800;
    rig.s().posX = 800;
    EXPECT_FALSE(motion().JogStep(JogDirection::XPlus));
    EXPECT_FALSE(rig.s().jogActive);
    EXPECT_FALSE(rig.s().directMove);
}

TEST_F(MotionTest, AbsurdTargetsEndQuickly)
{
    rig.s().lockSwitch = true;
    rig.s().directMove = true;
    EXPECT_TRUE(motion().LinearMove(1e12f, 462, 100));
    EXPECT_TRUE(motion().RapidMove(-1e12f, 1e12f));
}

}  // namespace
}  // namespace zan::test
