// Moving the tool: travel limits, cutting permission, the cut itself.

#include <gmock/gmock.h>

#include <cmath>
#include <limits>

#include "core/lathe/messages.h"
#include "core/lathe/tool_shapes.h"
#include "support/fakes.h"

namespace zan::test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

struct MoveToolTest : ::testing::Test {
    Rig rig;
    void SetUp() override { rig.Cutting(); }
    bool Move(float z, float x, MoveMode mode = MoveMode::Cut) { return rig.lathe->MoveTool(z, x, mode); }
    Point Drawn() { return Point{rig.s().drawnZ, rig.s().drawnX}; }
};

TEST_F(MoveToolTest, TravelLimitsRefuseAndLeaveTheToolWhereItWas)
{
    EXPECT_TRUE(Move(232, 462));
    EXPECT_TRUE(Move(1000, 800));
    EXPECT_THAT(rig.alerts.messages, IsEmpty());

    // Each alarm comes with its code too, for runs that must not go by texts.
    struct Alarms : AlarmObserver {
        std::vector<MachineAlarm> seen;
        void OnAlarm(MachineAlarm alarm) override { seen.push_back(alarm); }
    } alarms;
    rig.lathe->alarmObserver = &alarms;
    struct Case { float z, x; std::string_view message; MachineAlarm alarm; };
    const Case refused[] = {{231, 462, msg::kProgramAlarm, MachineAlarm::BelowTravel},
                            {500, 291, msg::kProgramAlarm, MachineAlarm::BelowTravel},
                            {1001, 462, msg::kBeyondTravel, MachineAlarm::BeyondTravel},
                            {500, 801, msg::kBeyondTravel, MachineAlarm::BeyondTravel},
                            // the lower bound is tested first
                            {231, 801, msg::kProgramAlarm, MachineAlarm::BelowTravel}};
    for (const Case& c : refused) {
        rig.alerts.messages.clear();
        alarms.seen.clear();
        rig.s().runFlag = rig.s().jogActive = true;
        EXPECT_FALSE(Move(c.z, c.x)) << c.z << " " << c.x;
        EXPECT_THAT(rig.alerts.messages, ElementsAre(std::string(c.message)));
        EXPECT_THAT(alarms.seen, ElementsAre(c.alarm));
        EXPECT_EQ(Drawn(), (Point{1000, 800}));
        EXPECT_FALSE(rig.s().runFlag);
        EXPECT_FALSE(rig.s().jogActive);
    }
    EXPECT_EQ(rig.display.calls.back(), "refresh 0 0 1024 768");

    // Values beyond any integer are refused, not undefined.
    EXPECT_FALSE(Move(NAN, 462));
    EXPECT_FALSE(Move(1e30f, 462));
    EXPECT_FALSE(Move(500, -1e30f));
    EXPECT_EQ(Drawn(), (Point{1000, 800}));
    // Redrawing in place from beyond the travel still checks it.
    rig.alerts.messages.clear();
    rig.s().drawnZ = 1100;
    EXPECT_FALSE(Move(0, 0, MoveMode::Redraw));
    EXPECT_THAT(rig.alerts.messages, ElementsAre(std::string(msg::kBeyondTravel)));

    rig.lathe->alarmObserver = nullptr;
    Rig small(StationOptions{true, ProgramFolder("."), {}});  // the small layout allows columns down to 180
    small.Cutting();
    EXPECT_TRUE(small.lathe->MoveTool(180, 462, MoveMode::Cut));
    EXPECT_FALSE(small.lathe->MoveTool(179, 462, MoveMode::Cut));
}

TEST_F(MoveToolTest, OriginErrorResetsTheRunWithoutMoving)
{
    rig.s().runFlag = rig.s().directMove = true;
    EXPECT_FALSE(Move(0.5f, 462));
    EXPECT_EQ(rig.display.calls.front(), "text " + std::string(msg::kSevereError));
    EXPECT_FALSE(rig.s().runFlag);
    EXPECT_FALSE(rig.s().directMove);
    EXPECT_EQ(Drawn(), (Point{500, 462}));
    EXPECT_THAT(rig.panel.calls, ElementsAre("reset keys", "run complete"));
}

TEST_F(MoveToolTest, StoppedSpindleRefusesToEnterTheNominalBlank)
{
    rig.s().spindleState = 0;
    rig.s().runFlag = rig.s().jogActive = rig.s().directMove = true;
    EXPECT_TRUE(Move(400, 358));  // 358 < 100 / 2 + 309
    EXPECT_THAT(rig.alerts.messages, ElementsAre(std::string(msg::kCannotCut)));
    EXPECT_EQ(Drawn(), (Point{500, 462}));
    EXPECT_FALSE(rig.s().runFlag || rig.s().jogActive || rig.s().directMove);

    rig.alerts.messages.clear();
    EXPECT_TRUE(Move(400, 359));
    EXPECT_TRUE(Move(500, 300));  // at the blank's end column: not the blank
    EXPECT_TRUE(Move(400, 300, MoveMode::Retract));
    EXPECT_THAT(rig.alerts.messages, IsEmpty());

    rig.s().spindleState = 1;
    rig.s().chuckOpen = true;  // an open chuck refuses as well
    EXPECT_TRUE(Move(400, 358));
    EXPECT_EQ(rig.alerts.messages.size(), 1u);
    EXPECT_EQ(rig.s().drawnX, 300);
}

TEST_F(MoveToolTest, CutStoresTheUnroundedRowWhereTheEdgeIsAboveTheSurface)
{
    EXPECT_TRUE(Move(400, 380.6f));
    EXPECT_DOUBLE_EQ(rig.s().profile[400], double(380.6f) - 70);
    EXPECT_DOUBLE_EQ(rig.s().profile[415], double(380.6f) - 70);
    EXPECT_DOUBLE_EQ(rig.s().profile[416], kUncutRow);
    EXPECT_DOUBLE_EQ(rig.s().profile[399], kUncutRow);
    EXPECT_FLOAT_EQ(rig.s().posX, 380.6f);
    EXPECT_EQ(rig.s().drawnX, 380);

    EXPECT_TRUE(Move(450, 390));  // edge row 320 is below the surface
    EXPECT_DOUBLE_EQ(rig.s().profile[450], kUncutRow);

    rig.s().profile[400] = 310.2;
    Move(400, 380.9f);  // integer edge 310 < 310.2, stored 310.9: a sub-row store may raise the surface
    EXPECT_NEAR(rig.s().profile[400], 310.9, 1e-4);
}

TEST_F(MoveToolTest, StationEdges)
{
    rig.s().toolStation = 4;
    Move(400, 380);
    const auto& p = rig.s().profile;
    EXPECT_DOUBLE_EQ(p[407], (380 - 60) - 20.16);
    EXPECT_DOUBLE_EQ(p[408], (380 - 60) - 20.16);
    EXPECT_DOUBLE_EQ(p[400], kUncutRow);  // y - 60 = 320 is below the surface
    EXPECT_DOUBLE_EQ(p[415], kUncutRow);
    EXPECT_DOUBLE_EQ(p[403], 320 - 3 * 2.88);

    rig.s().toolStation = 2;
    Move(600, 380);
    EXPECT_DOUBLE_EQ(p[620], 300);  // the tip, 80 above
    EXPECT_DOUBLE_EQ(p[630], 310);
    EXPECT_DOUBLE_EQ(p[600], 317);  // 320 not above 317
    EXPECT_DOUBLE_EQ(p[631], kUncutRow);

    rig.s().toolStation = 3;
    Move(700, 380);
    EXPECT_NEAR(p[700], 310, 1e-3);
    EXPECT_DOUBLE_EQ(p[715], kUncutRow);  // 323 is below the surface
}

TEST_F(MoveToolTest, CustomToolCutsAlongItsFirstEdgeAndNeverDividesByZero)
{
    CustomTool& t = rig.s().custom;
    const Point drawn[] = {{235, 300}, {235 + 30, 300 - 30}};  // (0, 0) and (10, -10) in mm
    StoreCustomShape(t, drawn, 2, 30, 70);
    EXPECT_EQ(t.customCount, 3);
    EXPECT_EQ(t.customPoints[1], (Point{10, -10}));
    rig.lathe->SelectCustomTool();
    rig.s().spindleState = 0;  // the custom tool is never refused
    Move(400, 400);
    const auto& p = rig.s().profile;
    EXPECT_DOUBLE_EQ(p[400], 317);     // 400 - 70 = 330, not above 317
    EXPECT_DOUBLE_EQ(p[415], 315);     // 330 - 15
    EXPECT_DOUBLE_EQ(p[430], 300);

    const Point vertical[] = {{235, 300}, {235, 270}};
    StoreCustomShape(t, vertical, 2, 30, 70);
    EXPECT_TRUE(Move(500, 400));
    EXPECT_DOUBLE_EQ(p[510], kUncutRow);
}

// The custom tool editor closed: a tool without a shape that cuts is never
// left mounted, and Cancel without "设置为当前刀" puts the old tool back.
TEST_F(MoveToolTest, CustomToolStaysOnlyWhenKeptAndShaped)
{
    LatheState& s = rig.s();
    s.toolStation = 3;
    int previous = rig.lathe->SelectCustomTool();
    EXPECT_EQ(s.toolStation, 5);
    rig.lathe->EndCustomTool(previous, true);  // saved, but nothing drawn
    EXPECT_EQ(s.toolStation, 3);

    const Point drawn[] = {{235, 300}, {235 + 30, 300 - 30}};
    StoreCustomShape(s.custom, drawn, 2, 30, 70);
    previous = rig.lathe->SelectCustomTool();
    rig.lathe->EndCustomTool(previous, false);  // cancelled
    EXPECT_EQ(s.toolStation, 3);
    previous = rig.lathe->SelectCustomTool();
    rig.lathe->EndCustomTool(previous, true);
    EXPECT_EQ(s.toolStation, 5);

    // Opened again from the custom tool, its shape wiped to a single point
    // and cancelled: no shapeless tool stays, station 1 is mounted instead.
    previous = rig.lathe->SelectCustomTool();
    StoreCustomShape(s.custom, drawn, 0, 30, 70);
    rig.lathe->EndCustomTool(previous, false);
    EXPECT_EQ(s.toolStation, 1);
}

TEST_F(MoveToolTest, NoCutGoesBeyondTheSpindleAxis)
{
    // A tall custom tool reaches 200 rows above its reference point, past the
    // axis: the part is cut off at the axis, never below it.
    CustomTool& t = rig.s().custom;
    const Point drawn[] = {{235, 300}, {235 + 30, 300 - 30}};
    StoreCustomShape(t, drawn, 2, 30, 200);
    rig.lathe->SelectCustomTool();
    EXPECT_TRUE(Move(400, 400));
    const auto& p = rig.s().profile;
    EXPECT_DOUBLE_EQ(p[400], kAxisRow);
    EXPECT_DOUBLE_EQ(p[430], kAxisRow);

    // Tool 1 at the top of its travel (row 292) has its edge on row 222.
    rig.s().toolStation = 1;
    EXPECT_TRUE(Move(600, 292));
    EXPECT_DOUBLE_EQ(p[600], kAxisRow);
    EXPECT_DOUBLE_EQ(p[615], kAxisRow);
}

TEST_F(MoveToolTest, LockSwitchAndTraceModeDoNotCut)
{
    rig.s().lockSwitch = true;
    EXPECT_TRUE(Move(400, 300));
    EXPECT_EQ(Drawn(), (Point{500, 462}));
    EXPECT_THAT(rig.display.calls, IsEmpty());

    rig.s().lockSwitch = false;
    rig.s().traceMode = true;
    EXPECT_TRUE(Move(400, 300));
    EXPECT_THAT(rig.display.calls, ElementsAre("line 500 462 400 300"));
    EXPECT_EQ(Drawn(), (Point{400, 300}));
    EXPECT_FLOAT_EQ(rig.s().posZ, 500);  // the commanded position stays
    EXPECT_DOUBLE_EQ(rig.s().profile[400], kUncutRow);
}

TEST_F(MoveToolTest, NozzleStaysDefinedForAPositionFarOffTheView)
{
    // A refused move can leave the commanded column anywhere; the repaint
    // under the tool must still compute its strips without overflowing.
    for (float z : {1.0e30f, -1.0e30f, std::numeric_limits<float>::quiet_NaN()}) {
        rig.s().posZ = z;
        rig.lathe->RepaintUnderTool();
        const UnderTool& under = rig.display.underTool.back();
        EXPECT_LT(std::abs(under.nozzleAt.x), 2000000) << z;
        EXPECT_EQ(under.rightStrip.left, under.nozzleAt.x + 100);
    }
}

TEST_F(MoveToolTest, DrawsOnlyWhatChanged)
{
    Move(490, 462);
    EXPECT_THAT(rig.display.calls, ElementsAre("erase", "reflect", "tool", "under"));
    const ToolDrawing& tool = rig.display.tools.back();
    EXPECT_EQ(tool.pictureAt, (Point{490, 463}));
    EXPECT_EQ(tool.outline.points[1], (Point{490, 392}));
    const UnderTool& under = rig.display.underTool.back();
    EXPECT_EQ(under.firstColumn, 490);
    EXPECT_EQ(under.lastColumn, 499);  // the band stops at the blank's end

    rig.display.calls.clear();
    rig.s().turretBusy = true;  // the turret animation draws no tool
    rig.s().speedLevel = 3;     // and fast runs skip the band under it
    Move(480, 462);
    EXPECT_THAT(rig.display.calls, ElementsAre("erase"));
}

}  // namespace
}  // namespace zan::test
