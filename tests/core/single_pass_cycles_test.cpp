// One-block cycles G90, G94, G92 and the thread move G33: the recorded pass
// from the start point and back, its pace, and blocks whose lead cannot be cut.

#include "core/nc/single_pass_cycles.h"

#include <gmock/gmock.h>

#include "core/lathe/messages.h"
#include "core/nc/stepped_run.h"
#include "support/fakes.h"

namespace zan::test {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;

using P = std::pair<float, float>;

struct SinglePassTest : ::testing::Test {
    Rig rig;
    PathContext ctx{*rig.lathe, rig.station->motion};

    void SetUp() override
    {
        rig.Cutting();
        rig.s().posZ = rig.s().drawnZ = 500;
        rig.s().posX = rig.s().drawnX = 330;
    }
    std::vector<P> Recorded() const
    {
        const PathBuffer& b = rig.station->motion.buffer();
        std::vector<P> points;
        for (int i = 0; i < b.writeIndex; ++i) points.emplace_back(b.points[i].z, b.points[i].x);
        return points;
    }
    int PaceFeed() const { return rig.station->motion.paceFeed(); }
};

// Appends the points after `from` up to `to` in steps of `by`, along Z or X.
void AppendRun(std::vector<P>& v, bool alongZ, float from, float to, float by, float other)
{
    for (float c = from + by; by > 0 ? c <= to : c >= to; c += by) v.push_back(alongZ ? P{c, other} : P{other, c});
}

TEST_F(SinglePassTest, TurningCycleApproachesCutsRetractsAndReturnsStraightOrTapered)
{
    EXPECT_TRUE(TurningCycle(ctx, 450, 320, 0, 80));
    std::vector<P> want{{500, 327}, {500, 324}, {500, 321}, {500, 320}};  // in by 3, corner
    AppendRun(want, true, 500, 450, -1, 320);                             // cut: 50 steps, end
    want.emplace_back(450, 320);
    AppendRun(want, false, 320, 330, 1, 450);  // out by 1, corner
    want.emplace_back(450, 330);
    AppendRun(want, true, 450, 498, 6, 330);  // back by 6: 456 ... 498, start point
    want.emplace_back(500, 330);
    EXPECT_THAT(Recorded(), ElementsAreArray(want));
    EXPECT_EQ(PaceFeed(), 80);

    // R 4, a taper: the cut starts half of R lower, at (500, 318).
    rig.station->motion.PathStep(0, 0, PathMode::Rewind);
    EXPECT_TRUE(TurningCycle(ctx, 450, 320, 4, 80));
    const std::vector<P> points = Recorded();
    ASSERT_EQ(points.size(), 76u);  // one approach step more than with R 0
    EXPECT_THAT(std::vector<P>(points.begin() + 3, points.begin() + 6),
                ElementsAre(P{500, 318}, P{500, 318}, P{499, 318.04f}));
    // The 50th unit step reaches (450, 320); the exact end point and the retract follow.
    EXPECT_THAT(std::vector<P>(points.begin() + 54, points.begin() + 57),
                ElementsAre(P{450, 320}, P{450, 320}, P{450, 321}));
}

TEST_F(SinglePassTest, FacingCycleCutsAlongXAndReturnsInStepsOfFive)
{
    EXPECT_TRUE(FacingCycle(ctx, 490, 300, 0, 60));
    std::vector<P> want{{497, 330}, {494, 330}, {491, 330}, {490, 330}};
    AppendRun(want, false, 330, 300, -1, 490);
    want.emplace_back(490, 300);
    AppendRun(want, true, 490, 500, 1, 300);
    want.emplace_back(500, 300);
    AppendRun(want, false, 300, 330, 5, 500);  // 305 ... 330
    want.emplace_back(500, 330);
    EXPECT_THAT(Recorded(), ElementsAreArray(want));
    EXPECT_EQ(PaceFeed(), 60);
}

TEST_F(SinglePassTest, ThreadsStepOneLeadAtATimeWithoutOvershoot)
{
    EXPECT_TRUE(ThreadMove(ctx, 470, 330, 4));
    EXPECT_THAT(Recorded(), ElementsAre(P{496, 330}, P{492, 330}, P{488, 330}, P{484, 330}, P{480, 330},
                                        P{476, 330}, P{472, 330}, P{470, 330}));
    EXPECT_EQ(PaceFeed(), 25);

    // G92 P1.5: the thread advances 1.5 a point, paced by the whole millimetre.
    rig.station->motion.PathStep(0, 0, PathMode::Rewind);
    rig.s().posZ = 500;
    EXPECT_TRUE(ThreadingCycle(ctx, 490, 320, 1.5f, 0));
    EXPECT_THAT(Recorded(), ElementsAre(P{500, 326}, P{500, 322}, P{500, 320},  // in by 4
                                        P{498.5f, 320}, P{497, 320}, P{495.5f, 320}, P{494, 320}, P{492.5f, 320},
                                        P{491, 320}, P{490, 320},                 // thread
                                        P{490, 324}, P{490, 328}, P{490, 330},  // out by 4
                                        P{496, 330}, P{500, 330}));             // back by 6
    EXPECT_EQ(PaceFeed(), 100);
}

TEST_F(SinglePassTest, TargetBehindTheStartLeavesOnlyTheCorners)
{
    EXPECT_TRUE(TurningCycle(ctx, 500, 340, 0, 80));
    EXPECT_TRUE(FacingCycle(ctx, 510, 330, 0, 80));
    EXPECT_THAT(Recorded(), ElementsAre(P{500, 340}, P{500, 340}, P{500, 330}, P{500, 330},  //
                                        P{510, 330}, P{510, 330}, P{500, 330}, P{500, 330}));
}

// A lead below one millimetre (P missing reads as -1) can be neither paced
// nor stepped: the block is refused and the tool stays where it is.
TEST_F(SinglePassTest, LeadBelowOneMillimetreIsRefused)
{
    EXPECT_TRUE(ThreadMove(ctx, 470, 330, 0));
    EXPECT_TRUE(ThreadMove(ctx, 470, 330, -1));
    EXPECT_TRUE(ThreadingCycle(ctx, 490, 320, -1.0f, 0));
    EXPECT_TRUE(ThreadingCycle(ctx, 490, 320, 0.5f, 0));
    EXPECT_THAT(Recorded(), ElementsAre(P{500, 330}, P{500, 330}, P{500, 330}, P{500, 330}));
    EXPECT_THAT(rig.alerts.messages, ElementsAre("G33参数有误！", "G33参数有误！", "G92参数有误！", "G92参数有误！"));
    EXPECT_EQ(PaceFeed(), 100);  // the pace in force is kept
}

TEST_F(SinglePassTest, HugeThreadStopsAtTheStepLimit)
{
    // Moving directly with the machine lock on, every step is accepted; a
    // target a hundred kilometres away must still end after a bounded run.
    struct Counter : MoveObserver {
        long moves = 0;
        void OnMoveTool(float, float, MoveMode) override { ++moves; }
    } counter;
    rig.lathe->moveObserver = &counter;
    rig.s().directMove = rig.s().lockSwitch = true;
    EXPECT_TRUE(ThreadMove(ctx, -1.0e8f, 330, 1));
    EXPECT_EQ(counter.moves, kMaxRunSteps + 1);
    EXPECT_FLOAT_EQ(rig.s().posZ, -1.0e8f);
    rig.lathe->moveObserver = nullptr;
}

TEST_F(SinglePassTest, RefusedMoveEndsThePass)
{
    // Moving directly, the approach to X 280 passes the travel limit at row
    // 292: one alarm, and the cut, retract and return are not generated.
    rig.s().directMove = true;
    EXPECT_FALSE(TurningCycle(ctx, 450, 280, 0, 80));
    EXPECT_THAT(rig.alerts.messages, ElementsAre(std::string(msg::kProgramAlarm)));
    EXPECT_FLOAT_EQ(rig.s().posZ, 500);
    EXPECT_THAT(Recorded(), IsEmpty());
}

}  // namespace
}  // namespace zan::test
