// Peck drilling G74 and grooving G75: holes and grooves, the pecks in each,
// both retraction modes, and parameters that must not hang.

#include <gmock/gmock.h>

#include <cstdio>
#include <initializer_list>
#include <string>
#include <vector>

#include "core/nc/path_context.h"
#include "core/nc/peck_cycles.h"
#include "support/fakes.h"

namespace zan::test {
namespace {

constexpr const char* kPeckDrillError = "G74参数有误！";
constexpr const char* kGroovingError = "G75参数有误！";
using Messages = std::vector<std::string>;
using ::testing::EndsWith;
using ::testing::StartsWith;

std::string Join(std::initializer_list<std::string> parts)
{
    std::string out;
    for (const std::string& part : parts) out += (out.empty() ? "" : " ") + part;
    return out;
}
// Points at one X (or, with alongX, at one Z) as "z,x z,x ...".
std::string At(float fixed, std::initializer_list<float> runs, bool alongX = false)
{
    std::string out;
    char text[48];
    for (const float v : runs) {
        std::snprintf(text, sizeof text, "%s%g,%g", out.empty() ? "" : " ", alongX ? fixed : v, alongX ? v : fixed);
        out += text;
    }
    return out;
}
// Pecks of 5 from 500 to 480 (or 330 to 310 with alongX), backing off 1.
std::string Hole(float at, bool alongX = false)
{
    const float o = alongX ? -170 : 0;
    return At(at, {500 + o, 499 + o, 498 + o, 497 + o, 496 + o, 495 + o, 495 + o, 496 + o, 495 + o, 494 + o, 493 + o,
                   492 + o, 491 + o, 490 + o, 490 + o, 491 + o, 490 + o, 489 + o, 488 + o, 487 + o, 486 + o, 485 + o,
                   485 + o, 486 + o, 485 + o, 484 + o, 483 + o, 482 + o, 481 + o, 480 + o, 480 + o, 485 + o, 490 + o,
                   495 + o, 500 + o, 500 + o},
              alongX);
}

struct PeckTest : ::testing::Test {
    Rig rig;
    PathContext ctx{*rig.lathe, rig.station->motion};
    void SetUp() override { StartAt(500, 300); }
    void StartAt(float z, float x)
    {
        rig.Cutting();
        rig.s().posZ = z, rig.s().posX = x, rig.s().drawnZ = int(z), rig.s().drawnX = int(x);
    }
    std::string Path()
    {
        std::string out;
        for (int i = 0; i < rig.station->motion.buffer().writeIndex; ++i) {
            const PathPoint p = rig.station->motion.buffer().points[i];
            out += (i ? " " : "") + At(p.x, {p.z});
        }
        return out;
    }
    void Clear()
    {
        rig.station->motion.PathStep(0, 0, PathMode::Rewind);
        rig.alerts.messages.clear();
    }
};

TEST_F(PeckTest, DrillsHolesAtEachShiftAndAtTheLastX)
{
    EXPECT_TRUE(PeckDrillCycle(ctx, 480, 310, 5, 1, 0, 4, 60));
    EXPECT_EQ(Path(), Join({"500,300", Hole(300), "500,302 500,304 500,304", Hole(304), "500,306 500,308 500,308",
                            Hole(308), "500,310 500,310", Hole(310), "500,304 500,300"}));
    EXPECT_EQ(rig.station->motion.paceFeed(), 60);
    EXPECT_TRUE(rig.alerts.messages.empty());
    // x at the start drills nothing and only returns.
    Clear();
    EXPECT_TRUE(PeckDrillCycle(ctx, 480, 300, 5, 1, 0, 4, 60));
    EXPECT_EQ(Path(), "500,300");
}

TEST_F(PeckTest, StartWithinOneShiftOfXWarnsAndDrillsOnlyAtX)
{
    EXPECT_TRUE(PeckDrillCycle(ctx, 480, 302, 5, 1, 0, 4, 60));
    EXPECT_EQ(rig.alerts.messages, Messages{kPeckDrillError});
    EXPECT_EQ(Path(), Join({"500,302 500,302", Hole(302), "500,300"}));
    // Bottom 482: after 485 a part peck backs off to 486 and feeds to 482.
    Clear();
    EXPECT_TRUE(PeckDrillCycle(ctx, 482, 302, 5, 1, 0, 4, 60));
    EXPECT_THAT(Path(), EndsWith(At(302, {485, 486, 485, 484, 483, 482, 482, 487, 492, 497, 500}) + " 500,300"));
    EXPECT_EQ(rig.station->motion.buffer().writeIndex, 36);
}

TEST_F(PeckTest, FullRetractionLeavesTheHoleBeforeEachPeck)
{
    // Out to Z 500 and in to 1 above the last bottom, in steps of 4.
    EXPECT_TRUE(PeckDrillCycle(ctx, 480, 302, 5, 1, 1, 4, 60));
    EXPECT_THAT(Path(), StartsWith("500,302 500,302 " + At(302, {500, 500, 499, 498, 497, 496, 495, 495, 499, 500, 496,
                                                                  496, 495, 494, 493, 492, 491, 490, 490, 494, 498})));
    EXPECT_THAT(Path(), EndsWith(At(302, {481, 480, 480, 485, 490, 495, 500, 500}) + " 500,300"));
    EXPECT_EQ(rig.station->motion.buffer().writeIndex, 55);
    Clear();
    EXPECT_TRUE(PeckDrillCycle(ctx, 492, 302, 5, 1, 1, 4, 60));  // the part peck goes out too
    EXPECT_EQ(Path(), Join({"500,302 500,302",
                            At(302, {500, 500, 499, 498, 497, 496, 495, 495, 499, 500, 496, 496, 495, 494, 493, 492,
                                     492, 497, 500}),
                            "500,300"}));
}

TEST_F(PeckTest, GroovesAtEachShiftAndAtTheLastZ)
{
    StartAt(500, 330);
    EXPECT_TRUE(GroovingCycle(ctx, 490, 310, 5, 1, 4, 40));
    EXPECT_EQ(Path(), Join({"500,330", Hole(500, true), "498,330 496,330 496,330", Hole(496, true),
                            "494,330 492,330 492,330", Hole(492, true), "490,330 490,330", Hole(490, true),
                            "496,330 500,330"}));
    EXPECT_TRUE(rig.alerts.messages.empty());
    Clear();
    StartAt(500, 330);
    EXPECT_TRUE(GroovingCycle(ctx, 498, 310, 5, 1, 4, 40));
    EXPECT_EQ(rig.alerts.messages, Messages{kGroovingError});
    EXPECT_EQ(Path(), Join({"498,330 498,330", Hole(498, true), "500,330"}));
}

TEST_F(PeckTest, PecksOrShiftsThatNeverEndAreRefused)
{
    struct Case {
        bool groove;
        float bottom, at, i, e;
    };
    // No I (-1), I0, and no shift (or a negative one) while holes remain.
    const Case cases[] = {{false, 480, 310, -1, 4}, {false, 480, 310, 0, 4}, {false, 480, 300, 5, 0},
                          {false, 480, 310, 5, -2}, {true, 310, 490, -1, 4}, {true, 310, 490, 0, 4},
                          {true, 310, 500, 5, 0},   {true, 310, 490, 5, -1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.groove << " " << c.at << " i " << c.i << " e " << c.e);
        Clear();
        EXPECT_FALSE(c.groove ? GroovingCycle(ctx, c.at, c.bottom, c.i, 1, c.e, 40)
                              : PeckDrillCycle(ctx, c.bottom, c.at, c.i, 1, 0, c.e, 60));
        EXPECT_EQ(rig.alerts.messages, Messages{c.groove ? kGroovingError : kPeckDrillError});
        EXPECT_EQ(Path(), "500,300");  // a null point; nothing cut
    }
    // Without a shift but with no hole beyond the start, nothing loops.
    Clear();
    EXPECT_TRUE(PeckDrillCycle(ctx, 480, 290, 5, 1, 0, 0, 60));
    EXPECT_EQ(Path(), "500,300");
    EXPECT_TRUE(rig.alerts.messages.empty());
}

TEST_F(PeckTest, HugeOrEndlessCyclesAreRefusedBeforeMoving)
{
    EXPECT_FALSE(PeckDrillCycle(ctx, -1e7f, 302, 5, 1, 0, 4, 60));     // ten kilometres deep (and a warning)
    EXPECT_FALSE(PeckDrillCycle(ctx, 480, 310, 5, 1, 1, 1e-6f, 60));   // shifts too fine for a float
    EXPECT_FALSE(GroovingCycle(ctx, 490, 280, 1e-6f, 1, 4, 40));       // pecks too fine for a float
    EXPECT_EQ(rig.alerts.messages, (Messages{kPeckDrillError, kPeckDrillError, kPeckDrillError, kGroovingError}));
    EXPECT_EQ(Path(), "500,300 500,300 500,300");
}

TEST_F(PeckTest, RefusedMoveStopsTheCycle)
{
    rig.s().speedLevel = 3;  // moving directly: the hole towards Z 220 passes the travel limit
    StartAt(240, 300);
    EXPECT_FALSE(PeckDrillCycle(ctx, 220, 302, 5, 1, 0, 4, 60));
    EXPECT_GE(rig.s().drawnZ, rig.s().layout.minTravelColumn());
    EXPECT_EQ(rig.alerts.messages, (Messages{kPeckDrillError, "程序报警!"}));
}

}  // namespace
}  // namespace zan::test
