// Repainting numbered regions, trace mode, and incremental drawing against the
// full repaint.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "view_rig.h"

namespace zan::gui::test {
namespace {

// Pixels of `image` differing from `other`, inside or outside `area`.
int Differences(const QImage& image, const QImage& other, const QRegion& area, bool inside)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (area.contains(QPoint(x, y)) == inside && image.pixel(x, y) != other.pixel(x, y)) ++count;
    return count;
}

struct RegionCase {
    Region region;
    QRegion area;
    void (*change)(LatheState&);
};

class RegionRefresh : public ::testing::TestWithParam<RegionCase> {};

// The region shows the new state exactly as a full repaint would; every
// pixel outside it is left as it was.
TEST_P(RegionRefresh, RepaintsItsRectangleOnly)
{
    const RegionCase c = GetParam();
    ViewRig rig;
    const QImage before = rig.Snapshot();
    c.change(rig.s());
    rig.view->lathe().RefreshArea(c.region);
    const QImage after = rig.Snapshot();
    rig.view->RepaintAll();
    const QImage full = rig.Snapshot();
    ASSERT_GT(Differences(before, full, c.area, true), 0) << "the change must show in the region";
    EXPECT_EQ(Differences(after, full, c.area, true), 0);
    EXPECT_EQ(Differences(after, before, c.area, false), 0);
}

const QRegion kJaws(126, 0, 106, 768);

INSTANTIATE_TEST_SUITE_P(
    Regions, RegionRefresh,
    ::testing::Values(RegionCase{Region::Jaws, kJaws, [](LatheState& s) { s.chuckOpen = true; }},
                      RegionCase{Region::ChuckBody, QRegion(0, 98, 153, 302), [](LatheState& s) { s.spindleState = 2; }},
                      RegionCase{Region::Tailstock, QRegion(500, 210, 50, 62), [](LatheState& s) { s.tailstockOn = true; }},
                      RegionCase{Region::Nozzle, QRegion(500, 10, 100, 100), [](LatheState& s) { s.coolantOn = true; }},
                      RegionCase{Region::ToolArea, QRegion(500, 362, 240, 340), [](LatheState& s) { s.toolStation = 2; }},
                      // The workpiece region repaints the jaws too: they grip the new profile.
                      RegionCase{Region::Workpiece, QRegion(153, 142, 1100 - 153, 200) + kJaws,
                                 [](LatheState& s) { std::fill(s.profile.begin() + 153, s.profile.begin() + 300, 280.0); }}),
    [](const ::testing::TestParamInfo<RegionCase>& info) { return "Region" + std::to_string(static_cast<int>(info.param.region)); });

TEST(RegionRefresh, EveryRepaintShowsThePanel)
{
    ViewRig rig;
    EXPECT_EQ(rig.panel.shown, 0) << "the panel comes with the first repaint on screen";
    rig.view->lathe().RefreshArea(Region::Jaws);
    rig.view->RepaintAll();
    EXPECT_EQ(rig.panel.shown, 2);
}

TEST(TraceMode, LeavesThePathAndIgnoresRegions)
{
    ViewRig rig;
    rig.s().traceMode = true;
    rig.view->lathe().MoveTool(600.0f, 400.0f, MoveMode::Cut);
    EXPECT_EQ(rig.At(550, 431), 0xFFFF0000u);  // on the line from (500, 462) to (600, 400)
    EXPECT_EQ(rig.At(600, 400), 0xFFFF0000u);
    EXPECT_EQ(rig.s().posZ, 500.0f) << "the path is drawn, the tool is not moved";
    rig.s().chuckOpen = true;
    const QImage before = rig.Snapshot();
    using enum Region;
    for (Region region : {Default, Nozzle, WholeView, ChuckBody, Jaws, Tailstock, Workpiece, MoveStopped, Initialised,
                          ToolTwo, LoadedWorkpiece})
        rig.view->lathe().RefreshArea(region);
    EXPECT_EQ(rig.Snapshot(), before);
    // The tool area repaints around the tool, which trace mode does not draw.
    rig.view->lathe().RefreshArea(ToolArea);
    EXPECT_EQ(rig.At(600, 400), 0xFF000000u);
    EXPECT_EQ(rig.At(550, 431), 0xFFFF0000u) << "outside the tool area the path stays";
}

// Drawing only what changed must leave the same picture as painting it all.
void ExpectSameAsFullRepaint(ViewRig& rig)
{
    const QImage incremental = rig.Snapshot();
    rig.view->RepaintAll();
    EXPECT_EQ(Differences(incremental, rig.Snapshot(), rig.view->backing().rect(), true), 0);
}

TEST(IncrementalDrawing, MatchesTheFullRepaintAfterCutting)
{
    ViewRig rig;
    rig.Cutting();
    rig.view->RepaintAll();
    Lathe& lathe = rig.view->lathe();
    // Steps of at most 10 columns: the strips beside the nozzle are 10 pixels wide.
    ASSERT_TRUE(lathe.MoveTool(495.0f, 400.0f, MoveMode::Cut));
    for (float z = 495.0f; z >= 380.0f; z -= 1.0f) ASSERT_TRUE(lathe.MoveTool(z, 352.4f, MoveMode::Cut));
    ASSERT_TRUE(lathe.MoveTool(380.0f, 360.0f, MoveMode::Cut));
    for (float z = 380.0f; z <= 430.0f; z += 2.0f) ASSERT_TRUE(lathe.MoveTool(z, 360.0f, MoveMode::Cut));
    ASSERT_TRUE(lathe.MoveTool(430.0f, 430.0f, MoveMode::Cut));
    EXPECT_NEAR(rig.s().profile[400], 282.4, 1e-4) << "the moves cut";
    ExpectSameAsFullRepaint(rig);
}

TEST(IncrementalDrawing, ToolOfStationFourMatchesTheFullRepaint)
{
    ViewRig rig;
    rig.Cutting();
    rig.s().speedLevel = 4;  // no turret animation
    rig.s().blankDiameter = 150;
    Lathe& lathe = rig.view->lathe();
    lathe.SelectTool(4);
    rig.s().speedLevel = 0;
    rig.view->RepaintAll();  // the new station's redraw leaves the old tool's corners
    for (float z = 500.0f; z >= 400.0f; z -= 1.0f) ASSERT_TRUE(lathe.MoveTool(z, 375.0f, MoveMode::Cut));
    ASSERT_TRUE(lathe.MoveTool(400.0f, 376.0f, MoveMode::Cut));
    ExpectSameAsFullRepaint(rig);
}

// A redraw refused by the travel checks asks for a whole repaint from inside
// the repaint; that must end, with one alarm.
TEST(NestedRepaint, RefusedRedrawDoesNotRecurse)
{
    ViewRig rig;
    rig.s().traceMode = true;
    rig.view->lathe().MoveTool(100.0f, 250.0f, MoveMode::Cut);  // trace mode goes anywhere
    rig.s().traceMode = false;
    rig.alerts.messages.clear();
    rig.view->RepaintAll();
    ASSERT_EQ(rig.alerts.messages.size(), 1u);
    EXPECT_EQ(rig.alerts.messages[0], "程序报警!");
    EXPECT_NE(rig.At(300, 242), 0xFF000000u) << "the machine is painted";
}

}  // namespace
}  // namespace zan::gui::test
