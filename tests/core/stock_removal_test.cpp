// Stock-removal cycles G71/G72: passes over a collected contour, where each
// pass meets lines and arcs, and parameters that must not hang.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "core/nc/path_context.h"
#include "core/nc/rough_cut.h"
#include "core/nc/stock_removal.h"
#include "support/fakes.h"

namespace zan::test {
namespace {

constexpr const char* kRoughError = "G71或G72参数错误!";

struct RoughTest : ::testing::Test {
    Rig rig;
    PathContext ctx{*rig.lathe, rig.station->motion};
    ContourTable& contour() { return rig.s().contour; }
    const PathBuffer& buffer() { return rig.station->motion.buffer(); }

    void SetUp() override
    {
        rig.Cutting();
        rig.s().posZ = rig.s().drawnZ = 500;
        rig.s().posX = rig.s().drawnX = 340;
    }
    void Element(int j, float z, float x, float type = 1.0f)
    {
        contour().z[j] = z, contour().x[j] = x, contour().type[j] = type;
    }
    // Points [from, to) as "z,x z,x ..."; with only_retracts, just the ends of
    // the cuts (the points followed by a retract of 1).
    std::string Path(int from = 0, int to = -1, bool onlyRetracts = false)
    {
        std::string out;
        char text[64];
        for (int i = from; i < (to < 0 ? buffer().writeIndex : to); ++i) {
            const PathPoint p = buffer().points[i], q = buffer().points[i + 1];
            if (onlyRetracts && !((q.z == p.z && q.x == p.x + 1) || (q.x == p.x && q.z == p.z + 1))) continue;
            std::snprintf(text, sizeof text, "%s%g,%g", out.empty() ? "" : " ", p.z, p.x);
            out += text;
        }
        return out;
    }
};

TEST_F(RoughTest, TurnsTheShoulderInPassesOfTheDepthOfCut)
{
    // I4 K2 (2 a pass, retract 1); contour (480, 320), (460, 320), (460, 330).
    Element(0, 480, 320), Element(1, 460, 320), Element(2, 460, 330);
    EXPECT_TRUE(RoughTurnCycle(ctx, 340, 2, 1, 3, 80));
    EXPECT_EQ(rig.station->motion.paceFeed(), 80);
    // Down to X 330 in steps of 2, then in to the first cut at X 328 along Z in steps of 2.
    EXPECT_EQ(Path(0, 10), "500,338 500,336 500,334 500,332 500,330 500,330 500,330 500,328 498,328 496,328");
    // Only the face gets passes; then back to Z 500, up to a, along to (480, a).
    EXPECT_EQ(Path(0, -1, true), "460,328 460,326 460,324 460,322 460,320");
    const int n = buffer().writeIndex;
    EXPECT_EQ(n, 183);  // with each pass out by 1, back in steps of 5 and in by 3
    EXPECT_EQ(Path(n - 13), "500,321 500,340 498,340 496,340 494,340 492,340 490,340 488,340 486,340 484,340 "
                            "482,340 480,340 480,340");
    EXPECT_TRUE(rig.alerts.messages.empty());
}

TEST_F(RoughTest, SingleElementOnlyApproachesAndEnds)
{
    Element(0, 490, 333);
    EXPECT_TRUE(RoughTurnCycle(ctx, 340, 2, 1, 1, 100));
    EXPECT_EQ(Path(), "500,338 500,336 500,334 500,333 500,333 500,340 498,340 496,340 494,340 492,340 490,340 "
                      "490,340");
}

TEST_F(RoughTest, FacesInPassesAlongX)
{
    Element(0, 480, 320), Element(1, 490, 320);
    EXPECT_TRUE(RoughFaceCycle(ctx, 500, 2, 1, 2, 100));
    // Down to the first contour X, back up, in to Z 498 and the first cut.
    EXPECT_EQ(Path(0, 22), "500,338 500,336 500,334 500,332 500,330 500,328 500,326 500,324 500,322 500,320 500,320 "
                           "500,325 500,330 500,335 500,340 500,340 498,340 498,338 498,336 498,334 498,332 498,330");
    EXPECT_EQ(Path(0, -1, true), "498,320 496,320 494,320 492,320 490,320 488,320 486,320 484,320 482,320 480,320");
    const int n = buffer().writeIndex;
    EXPECT_EQ(Path(n - 13), "481,340 500,340 500,338 500,336 500,334 500,332 500,330 500,328 500,326 500,324 "
                            "500,322 500,320 500,320");
}

TEST_F(RoughTest, ArcByRadiusAndByCentreRoughTheSameWay)
{
    // A quarter circle of radius 10 about (480, 330), from (480, 320) to (470, 330).
    Element(0, 480, 320), Element(1, 470, 330, 3.0f);
    contour().r[1] = 10;
    ASSERT_TRUE(RoughTurnCycle(ctx, 340, 2, 1, 2, 100));
    const std::string byRadius = Path();
    EXPECT_NE(byRadius.find("470.202,328 470.202,329"), std::string::npos);  // 480 - sqrt(100 - 2 * 2)

    rig.station->motion.PathStep(0, 0, PathMode::Rewind);
    SetUp();
    contour().r[1] = 0, contour().i[1] = 10, contour().k2[1] = 0;  // I20 K0
    ASSERT_TRUE(RoughTurnCycle(ctx, 340, 2, 1, 2, 100));
    EXPECT_EQ(Path(), byRadius);
}

// Where a pass ends on contour element 1, from (z0, x0) to (z1, x1): the Z of
// a turning pass at level x, and the X of a facing pass at level z.
TEST(RoughCutTest, PassesEndOnLinesAndArcsAndStayFiniteOffThem)
{
    struct Case { float z0, x0, z1, x1, type, r, i, k2, x; double turnZ; float z; double faceX; };
    const Case cases[] = {
        {480, 320, 460, 330, 1, 0, 0, 0, 325, 470, 470, 325},  // a taper
        {480, 320, 480, 330, 1, 0, 0, 0, 325, 480, 470, 330},  // along X: G71 ends at the start Z, G72 at the end X
        {470, 320, 460, 330, 2, 10, 0, 0, 328, 466, 466, 312},  // clockwise by radius: centre (460, 320)
        // Counter-clockwise by radius takes the centre from the end: (470, 330).
        {470, 320, 460, 330, 3, 10, 0, 0, 328, 470 - std::sqrt(96.0), 466, 330 + std::sqrt(84.0)},
        {470, 320, 460, 330, 3, 0, 3, -4, 326, 462, 469, 327},  // by I and K: centre (466, 323), radius 5
        {470, 320, 460, 330, 2, 0, 3, -4, 340, 466, 400, 323},  // levels off the circle: level with the centre
        {470, 320, 470, 320, 2, 1, 3, -4, 320, 470, 470, 320},  // no length, no centre: ends like a line
    };
    for (const Case& c : cases) {
        ContourTable t;
        t.z[0] = c.z0, t.x[0] = c.x0, t.z[1] = c.z1, t.x[1] = c.x1;
        t.type[1] = c.type, t.r[1] = c.r, t.i[1] = c.i, t.k2[1] = c.k2;
        EXPECT_NEAR(TurnCutZ(t, 1, c.x), c.turnZ, 1e-3) << c.type << " " << c.r << " at X " << c.x;
        EXPECT_NEAR(FaceCutX(t, 1, c.z), c.faceX, 1e-3) << c.type << " " << c.r << " at Z " << c.z;
    }
    // A radius too short for the chord gives the half circle over it, about (465, 325).
    ContourTable t;
    t.z[0] = 470, t.x[0] = 320, t.z[1] = 460, t.x[1] = 330, t.type[1] = 2, t.r[1] = 1;
    ContourCircle circle{};
    ASSERT_TRUE(ArcCircle(t, 1, circle));
    EXPECT_NEAR(circle.z, 465, 1e-3);
    EXPECT_NEAR(circle.x, 325, 1e-3);
    EXPECT_NEAR(circle.r, std::sqrt(50.0), 1e-3);
}

TEST_F(RoughTest, BadDepthOrCountIsRefusedWithoutMoving)
{
    Element(0, 480, 320), Element(1, 460, 330);
    const std::pair<float, int> cases[] = {{0, 2}, {-1, 2}, {2, 0}, {2, -3}, {2, 101}, {2, 1 << 30}};
    for (const auto& [delta, count] : cases) {
        for (const bool face : {false, true}) {
            SCOPED_TRACE(testing::Message() << "delta " << delta << " count " << count << " face " << face);
            rig.station->motion.PathStep(0, 0, PathMode::Rewind);
            rig.alerts.messages.clear();
            EXPECT_FALSE(face ? RoughFaceCycle(ctx, 340, delta, 1, count, 100)
                              : RoughTurnCycle(ctx, 340, delta, 1, count, 100));
            EXPECT_EQ(rig.alerts.messages, std::vector<std::string>{kRoughError});
            EXPECT_EQ(Path(), "500,340");  // a null point where the tool stands
        }
    }
}

TEST_F(RoughTest, HugeOrEndlessCyclesAreRefusedBeforeMoving)
{
    Element(0, 480, 320), Element(1, 460, 330);
    EXPECT_FALSE(RoughTurnCycle(ctx, 340, 1e-6f, 1, 2, 100));  // too fine for a float at X 330
    EXPECT_FALSE(RoughFaceCycle(ctx, 500, 2, 1e7f, 2, 100));   // a retract of ten kilometres
    EXPECT_EQ(Path(), "500,340 500,340");
    EXPECT_EQ(rig.alerts.messages, (std::vector<std::string>{kRoughError, kRoughError}));

    // All 100 elements of the table are read, and no further.
    for (int j = 0; j < ContourTable::kElements; ++j) Element(j, 480 - j * 0.2f, 300 + j * 0.3f);
    EXPECT_TRUE(RoughTurnCycle(ctx, 340, 1, 0.5f, ContourTable::kElements, 100));
    for (int i = 0; i < buffer().writeIndex; ++i) ASSERT_TRUE(std::isfinite(buffer().points[i].z));
}

TEST_F(RoughTest, RefusedMoveStopsTheCycle)
{
    rig.s().speedLevel = 3;  // moving directly: the cut towards Z 220 passes the travel limit
    Element(0, 300, 320), Element(1, 200, 330);
    EXPECT_FALSE(RoughTurnCycle(ctx, 340, 2, 1, 2, 100));
    EXPECT_GE(rig.s().drawnZ, rig.s().layout.minTravelColumn());
    EXPECT_EQ(rig.alerts.messages, std::vector<std::string>{"程序报警!"});
}

}  // namespace
}  // namespace zan::test
