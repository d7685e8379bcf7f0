// The workpiece, jaws and chuck as the full repaint paints them.

#include <gtest/gtest.h>

#include <utility>

#include "core/view/shade_cache.h"
#include "view_rig.h"

namespace zan::gui::test {
namespace {

constexpr QRgb kBlack = 0xFF000000u;

// The controller's shades of a radius-50 column, from its formula with C's
// truncating division and extended-precision tangent and sine.
TEST(CylinderShade, DefaultBlankColumnHasTheControllersShades)
{
    ViewRig rig;  // blank of 100 mm: radius 50, rows 193..291; zones end at 213 and 268
    // Rows on a zone border (213, 268) keep the shade of the row above; the
    // top edge (193) is black, and so is everything above or below the slice.
    const std::pair<int, QRgb> shades[] = {
        {192, kBlack},       {193, kBlack},       {194, 0xFF343416u}, {200, 0xFF616143u}, {212, 0xFF828264u},
        {213, 0xFF828264u}, {214, 0xFF89896Bu}, {242, 0xFFCDCDAFu}, {267, 0xFF89896Bu}, {268, 0xFF89896Bu},
        {269, 0xFF868668u}, {280, 0xFF727254u}, {291, 0xFF2F2F11u}, {292, kBlack}};
    for (auto [row, colour] : shades) EXPECT_EQ(rig.At(300, row), colour) << row;
}

// Column k painted for radius r: black above and at the top edge 243 - r,
// shaded down to r + 241, black below.
void ExpectColumn(const ViewRig& rig, int k, int r)
{
    for (int row : {242 - r, 243 - r, r + 242}) EXPECT_EQ(rig.At(k, row), kBlack) << k << "," << row;
    for (int row : {244 - r, 242, r + 241}) EXPECT_EQ(rig.At(k, row), ShadeCache::PixelColour(row, r)) << k << "," << row;
}

TEST(CylinderShade, RadiusIsTheProfilesWholeRowsOrHalfTheBlankWhicheverIsLess)
{
    ViewRig rig;
    for (int k = 300; k < 310; ++k) rig.s().profile[k] = 310.6;  // radius 68.6 drawn as 68
    rig.s().blankDiameter = 150;
    rig.view->RepaintAll();
    ExpectColumn(rig, 305, 68);
    ExpectColumn(rig, 320, 75);
    rig.s().blankDiameter = 180;  // wider than the uncut profile, 317: radius 75
    rig.view->RepaintAll();
    ExpectColumn(rig, 320, 75);
}

TEST(CylinderShade, SmallRadiusBorderRowsFollowThePixelAbove)
{
    ShadeCache cache;
    const auto column = cache.Column(3);  // rows 240..244, borders at 240 and 243
    ASSERT_EQ(column.size(), 5u);
    EXPECT_EQ(column[0], kBlack);
    EXPECT_EQ(column[1], 0xFFA9A98Bu);
    EXPECT_EQ(column[3], column[2]);
    for (int row = 241; row <= 244; ++row) EXPECT_EQ(ShadeCache::PixelColour(row, 3), column[row - 240]) << row;
}

TEST(WorkpieceColumns, NoRadiusOrABlankEndingAtTheChuckPaintsNothing)
{
    ViewRig rig;
    rig.s().profile[400] = 242.0;  // cut to the axis
    rig.s().profile[401] = 235.4;  // cut below the axis: a negative radius
    rig.s().profile[402] = 242.9;  // less than a whole row
    rig.view->RepaintAll();
    for (int k : {400, 401, 402})
        for (int row = 150; row < 340; ++row) ASSERT_EQ(rig.At(k, row), kBlack) << k << "," << row;
    EXPECT_NE(rig.At(403, 242), kBlack);

    rig.s().blankEnd = 119;
    rig.view->RepaintAll();
    for (int k = 232; k < 600; k += 7) EXPECT_EQ(rig.At(k, 242), kBlack) << k;
}

// The jaws' visible part (right of the chuck body) is the jaw picture itself.
bool JawsAt(const ViewRig& rig, int opening)
{
    const QImage lower = Resource("jaw_lower.png").copy(23, 0, 79, 140);
    const QImage upper = Resource("jaw_upper.png").copy(23, 0, 79, 140);
    const QImage& b = rig.view->backing();
    return b.copy(153, 242 + opening, 79, 140) == lower && b.copy(153, 104 - opening, 79, 140) == upper;
}

TEST(Jaws, GripTheLargestRadiusUnderThemAndStandTenPixelsOffWhenOpen)
{
    ViewRig rig;
    EXPECT_TRUE(JawsAt(rig, 50));  // clamped on the 100 mm blank
    rig.s().chuckOpen = true;
    rig.view->RepaintAll();
    EXPECT_TRUE(JawsAt(rig, 60));
    rig.s().chuckOpen = false;
    for (int k = 153; k <= 229; ++k) rig.s().profile[k] = 280.0;
    rig.s().profile[229] = 290.5;  // the last column under the jaws counts
    rig.s().profile[230] = 300.0;  // and the next one does not
    rig.view->RepaintAll();
    EXPECT_TRUE(JawsAt(rig, 48));
}

TEST(Chuck, PictureFollowsTheSpindle)
{
    ViewRig rig;
    const QImage stopped = rig.Snapshot().copy(0, 98, 153, 279);
    rig.s().spindleState = 1;
    rig.view->RepaintAll();
    EXPECT_NE(rig.Snapshot().copy(0, 98, 153, 279), stopped);
    // Stretched by the core's own filter: within a few levels of Qt's smooth scaling.
    EXPECT_TRUE(Near(stopped, Resource("chuck_stopped.png").scaled(153, 279, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
}

TEST(SmallLayout, StretchesTheJawsAndKeepsTheChuckAtItsSize)
{
    ViewRig rig(800);
    ASSERT_TRUE(rig.s().layout.small);
    const QImage chuck = Resource("chuck_stopped.png");
    EXPECT_EQ(rig.Snapshot().copy(0, 132, 120, 218), chuck);
    // Blank of 80 mm: jaws 40 from the axis; the upper one at trunc(135.625 - 40) = 95.
    const QImage lower = Resource("jaw_lower.png").scaled(79, 109, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    EXPECT_TRUE(Near(rig.Snapshot().copy(120, 282, 60, 109), lower.copy(19, 0, 60, 109)));
    const QImage upper = Resource("jaw_upper.png").scaled(79, 109, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    EXPECT_TRUE(Near(rig.Snapshot().copy(120, 95, 60, 109), upper.copy(19, 0, 60, 109)));
}

TEST(Tailstock, RedCentreAgainstTheBlanksEnd)
{
    ViewRig rig;
    EXPECT_EQ(rig.At(500 + 32, 242), kBlack);
    rig.s().tailstockOn = true;
    rig.view->RepaintAll();
    EXPECT_EQ(rig.At(500 + 32, 242), 0xFFFF0000u);  // the upright edge
    EXPECT_EQ(rig.At(500 + 33, 250), 0xFFFF0000u);  // three pixels wide
    EXPECT_EQ(rig.At(500 + 16, 242), kBlack);       // not filled
}

}  // namespace
}  // namespace zan::gui::test
