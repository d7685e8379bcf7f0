// Circular interpolation G02/G03: the recorded steps follow the circle, end
// exactly at the programmed point, and never carry a value off the circle.

#include "core/nc/arcs.h"

#include <gmock/gmock.h>

#include <cmath>

#include "core/lathe/messages.h"
#include "support/fakes.h"

namespace zan::test {
namespace {

using ::testing::ElementsAre;
using ::testing::Pointwise;

using P = std::pair<float, float>;

MATCHER(NearPoint, "is within 0.01 of")
{
    const P& a = std::get<0>(arg);
    const P& e = std::get<1>(arg);
    return std::fabs(a.first - e.first) < 0.01f && std::fabs(a.second - e.second) < 0.01f;
}

struct ArcTest : ::testing::Test {
    Rig rig;
    PathContext ctx{*rig.lathe, rig.station->motion};

    void SetUp() override
    {
        rig.Cutting();
        rig.s().posZ = rig.s().drawnZ = 500;
        rig.s().posX = rig.s().drawnX = 300;
    }
    std::vector<P> Recorded() const
    {
        const PathBuffer& b = rig.station->motion.buffer();
        std::vector<P> points;
        for (int i = 0; i < b.writeIndex; ++i) points.emplace_back(b.points[i].z, b.points[i].x);
        return points;
    }
    void Restart()
    {
        rig.station->motion.PathStep(0, 0, PathMode::Rewind);
        rig.s().posZ = 500;
        rig.s().posX = 300;
    }
    int PaceFeed() const { return rig.station->motion.paceFeed(); }
};

// Quarter circle from (500, 300) to (495, 295) around (500, 295).
const std::vector<P> kClockwiseQuarter{{499, 299.90f}, {498, 299.58f}, {497, 299.00f},
                                       {496, 298.00f}, {495, 295.00f}, {495, 295}};

TEST_F(ArcTest, RadiusAndCentreFormsTakeTheCentreOnTheSideOfTheDirection)
{
    EXPECT_TRUE(ArcByRadius(ctx, 495, 295, 5, 100, true));
    EXPECT_THAT(Recorded(), Pointwise(NearPoint(), kClockwiseQuarter));
    EXPECT_EQ(PaceFeed(), 25);  // G02 in this form plays at a quarter of the feed
    EXPECT_FLOAT_EQ(rig.s().posX, 295);

    // Centre (495, 300): level with the start, so the arc goes down the lower half.
    Restart();
    EXPECT_TRUE(ArcByRadius(ctx, 495, 295, 5, 100, false));
    EXPECT_THAT(Recorded(), Pointwise(NearPoint(), std::vector<P>{{499, 297.00f}, {498, 296.00f}, {497, 295.42f},
                                                                  {496, 295.10f}, {495, 295.00f}, {495, 295}}));
    EXPECT_EQ(PaceFeed(), 100);

    Restart();
    // K 0 and an I word of -10 (a diameter): the centre 5 below the start.
    EXPECT_TRUE(ArcByCentre(ctx, 495, 295, 0, -5, 100, true));
    EXPECT_THAT(Recorded(), Pointwise(NearPoint(), kClockwiseQuarter));
    EXPECT_EQ(PaceFeed(), 100);
}

TEST_F(ArcTest, SemicircleGoesOverTheTopAndLeavesOutStepsBeyondTheCircle)
{
    ASSERT_TRUE(ArcByRadius(ctx, 490, 300, 5, 100, true));
    const std::vector<P> points = Recorded();
    ASSERT_EQ(points.size(), 11u);  // ten unit steps, then the end point
    EXPECT_EQ(points[4], (P{495, 305}));
    for (const P& p : points) EXPECT_GE(p.second, 300.0f);
    EXPECT_EQ(points.back(), (P{490, 300}));

    Restart();
    // Semicircle of radius 4.75 around (495.25, 300): the tenth whole step,
    // Z 490, lies half a unit beyond the circle's leftmost point.
    ASSERT_TRUE(ArcByRadius(ctx, 490.5f, 300, 4.75f, 100, true));
    const std::vector<P> shorter = Recorded();
    ASSERT_EQ(shorter.size(), 10u);
    EXPECT_EQ(shorter[8].first, 491.0f);
    EXPECT_EQ(shorter.back(), (P{490.5f, 300}));
}

// Arcs without Z travel or without a circle go straight to the end point.
TEST_F(ArcTest, NoTravelOrNoCircleGoesStraightToTheEnd)
{
    EXPECT_TRUE(ArcByRadius(ctx, 500, 290, 5, 100, true));   // dZ = 0
    EXPECT_TRUE(ArcByRadius(ctx, 480, 290, 5, 100, false));  // chord 20, diameter 10
    EXPECT_TRUE(ArcByRadius(ctx, 470, 290, 4, 100, true));   // G02 has no message of its own
    EXPECT_TRUE(ArcByRadius(ctx, 460, 290, 0, 100, true));   // zero radius
    EXPECT_TRUE(ArcByRadius(ctx, 460, 290, 0, 100, false));  // back to the start
    EXPECT_THAT(Recorded(), ElementsAre(P{500, 290}, P{480, 290}, P{470, 290}, P{460, 290}, P{460, 290}));
    EXPECT_THAT(rig.alerts.messages, ElementsAre("G03的参数错误！"));
}

TEST_F(ArcTest, SteppingEndsWithoutAHalfToFollowOrAtTheStepLimit)
{
    // Centre at the start: level with it at its very Z, neither half applies.
    EXPECT_TRUE(ArcByCentre(ctx, 490, 300, 0, 0, 100, true));
    EXPECT_THAT(Recorded(), ElementsAre(P{490, 300}));
    // Around (495, 300) to a target a hundred kilometres away: over the top
    // to the leftmost point, then every step of the budget lies beyond the circle.
    Restart();
    EXPECT_TRUE(ArcByCentre(ctx, -1.0e8f, 300, -5, 0, 100, true));
    const std::vector<P> points = Recorded();
    ASSERT_EQ(points.size(), 11u);
    EXPECT_EQ(points[9], (P{490, 300}));
    EXPECT_EQ(points.back(), (P{-1.0e8f, 300}));
}

TEST_F(ArcTest, RefusedMoveEndsTheArc)
{
    // Moving directly, the arc around (500, 290) reaches its leftmost point
    // (490, 290), below the travel limit at row 292: one alarm, nothing after it.
    rig.s().directMove = true;
    EXPECT_FALSE(ArcByCentre(ctx, 510, 280, 0, -10, 100, true));
    EXPECT_THAT(rig.alerts.messages, ElementsAre(std::string(msg::kProgramAlarm)));
    EXPECT_FLOAT_EQ(rig.s().posZ, 490);
}

}  // namespace
}  // namespace zan::test
