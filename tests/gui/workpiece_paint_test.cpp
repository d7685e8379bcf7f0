// The workpiece, jaws and chuck as the full repaint paints them.

#include <gtest/gtest.h>

#include <cmath>

#include "lathe/cylinder_shade.h"
#include "view_rig.h"

namespace zan::gui::test {
namespace {

constexpr QRgb kBlack = 0xFF000000u;

// The cylinder shade worked out again from the formula, with C's truncating
// division, for a pixel whose zone rule applies.
QRgb ExpectedShade(int row, int r)
{
    auto cdiv = [](int a, int b) { return static_cast<int>(static_cast<long long>(a) / b); };
    const int m = (row + r - 242) * 118;
    const int a = cdiv(r * 50, 118) - r + 242;
    const int b = cdiv(r * 181, 118) - r + 242;
    int s = 0;
    if (row < a) s = static_cast<int>(tanl((cdiv(m, r) + 174) * 0.01L) * 23 - 120);
    else if (row > b) s = static_cast<int>(tanl((cdiv((242 - row - r) * 118, r) + 410) * 0.01L) * 23 - 120);
    else s = static_cast<int>(sinl((cdiv(m, r) + 342) * 0.0448L) * 35 - 110);
    const int grey = ((s + 24) % 256 + 256) % 256;
    const int blue = ((s - 6) % 256 + 256) % 256;
    return qRgb(grey, grey, blue);
}

TEST(CylinderShade, DefaultBlankColumnHasTheControllersShades)
{
    ViewRig rig;  // blank of 100 mm: radius 50, rows 193..291; zones end at 213 and 268
    for (int row : {194, 200, 212, 214, 242, 267, 269, 280, 291}) EXPECT_EQ(rig.At(300, row), ExpectedShade(row, 50)) << row;
    // The same values written down by hand, so a fault shared by code and test shows.
    EXPECT_EQ(rig.At(300, 194), 0xFF343416u);
    EXPECT_EQ(rig.At(300, 242), 0xFFCDCDAFu);
    EXPECT_EQ(rig.At(300, 291), 0xFF2F2F11u);
    // Rows on a zone border keep the shade of the row above.
    EXPECT_EQ(rig.At(300, 213), rig.At(300, 212));
    EXPECT_EQ(rig.At(300, 268), rig.At(300, 267));
    // The black top edge, and nothing above or below the slice.
    EXPECT_EQ(rig.At(300, 193), kBlack);
    EXPECT_EQ(rig.At(300, 192), kBlack);
    EXPECT_EQ(rig.At(300, 292), kBlack);
}

TEST(CylinderShade, CutRadiusTakesWholeRowsOfTheProfile)
{
    ViewRig rig;
    for (int k = 300; k < 310; ++k) rig.s().profile[k] = 310.6;  // radius 68.6 drawn as 68
    rig.s().blankDiameter = 150;
    rig.view->RepaintAll();
    EXPECT_EQ(rig.At(305, 175), kBlack);
    EXPECT_EQ(rig.At(305, 174), kBlack);
    for (int row : {176, 201, 203, 277, 279, 309}) EXPECT_EQ(rig.At(305, row), ExpectedShade(row, 68)) << row;
    EXPECT_EQ(rig.At(305, 310), kBlack);
}

TEST(CylinderShade, SmallRadiusBorderRowsFollowThePixelAbove)
{
    ShadeCache cache;
    const auto column = cache.Column(3);  // rows 240..244, borders at 240 and 243
    ASSERT_EQ(column.size(), 5u);
    EXPECT_EQ(column[0], qRgb(0, 0, 0));
    EXPECT_EQ(column[1], 0xFFA9A98Bu);
    EXPECT_EQ(column[3], column[2]);
    for (int row = 241; row <= 244; ++row) EXPECT_EQ(ShadeCache::PixelColour(row, 3), column[row - 240]) << row;
}

TEST(WorkpieceColumns, NoRadiusPaintsNothing)
{
    ViewRig rig;
    rig.s().profile[400] = 242.0;  // cut to the axis
    rig.s().profile[401] = 235.4;  // cut below the axis: a negative radius
    rig.s().profile[402] = 242.9;  // less than a whole row
    rig.view->RepaintAll();
    for (int k : {400, 401, 402})
        for (int row = 150; row < 340; ++row) ASSERT_EQ(rig.At(k, row), kBlack) << k << "," << row;
    EXPECT_NE(rig.At(403, 242), kBlack);
}

TEST(WorkpieceColumns, BlankEndingAtTheChuckShowsNoWorkpiece)
{
    ViewRig rig;
    rig.s().blankEnd = 119;
    rig.view->RepaintAll();
    for (int k = 232; k < 600; k += 7) EXPECT_EQ(rig.At(k, 242), kBlack) << k;
}

TEST(WorkpieceColumns, BlankWiderThanTheProfileIsDrawnAtTheProfile)
{
    ViewRig rig;
    rig.s().blankDiameter = 180;  // profile 317: radius 75
    rig.view->RepaintAll();
    EXPECT_EQ(rig.At(300, 243 - 75), kBlack);
    EXPECT_EQ(rig.At(300, 242), ExpectedShade(242, 75));
    EXPECT_EQ(rig.At(300, 75 + 241), ExpectedShade(316, 75));
    EXPECT_EQ(rig.At(300, 75 + 242), kBlack);
}

// The jaws' visible part (right of the chuck body) is the jaw picture itself.
bool JawsAt(const ViewRig& rig, int opening)
{
    const QImage lower = Resource("jaw_lower.png").copy(23, 0, 79, 140);
    const QImage upper = Resource("jaw_upper.png").copy(23, 0, 79, 140);
    const QImage& b = rig.view->backing();
    return b.copy(153, 242 + opening, 79, 140) == lower && b.copy(153, 104 - opening, 79, 140) == upper;
}

TEST(Jaws, GripTheLargestRadiusUnderThem)
{
    ViewRig rig;
    EXPECT_TRUE(JawsAt(rig, 50));  // clamped on the 100 mm blank
    for (int k = 153; k <= 229; ++k) rig.s().profile[k] = 280.0;
    rig.s().profile[229] = 290.5;  // the last column under the jaws counts
    rig.s().profile[230] = 300.0;  // and the next one does not
    rig.view->RepaintAll();
    EXPECT_TRUE(JawsAt(rig, 48));
}

TEST(Jaws, StandTenPixelsOffWhileTheChuckIsOpen)
{
    ViewRig rig;
    rig.s().chuckOpen = true;
    rig.view->RepaintAll();
    EXPECT_TRUE(JawsAt(rig, 60));
    EXPECT_FALSE(JawsAt(rig, 50));
}

TEST(Chuck, PictureFollowsTheSpindle)
{
    ViewRig rig;
    const QImage stopped = rig.Snapshot().copy(0, 98, 153, 279);
    rig.s().spindleState = 1;
    rig.view->RepaintAll();
    const QImage turning = rig.Snapshot().copy(0, 98, 153, 279);
    EXPECT_NE(stopped, turning);
    EXPECT_EQ(stopped, Resource("chuck_stopped.png").scaled(153, 279, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

TEST(SmallLayout, StretchesTheJawsAndKeepsTheChuckAtItsSize)
{
    ViewRig rig(800);
    ASSERT_TRUE(rig.s().layout.small);
    const QImage chuck = Resource("chuck_stopped.png");
    EXPECT_EQ(rig.Snapshot().copy(0, 132, 120, 218), chuck);
    // Blank of 80 mm: jaws 40 from the axis; the upper one at trunc(135.625 - 40) = 95.
    const QImage lower = Resource("jaw_lower.png").scaled(79, 109, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    EXPECT_EQ(rig.Snapshot().copy(120, 282, 60, 109), lower.copy(19, 0, 60, 109));
    const QImage upper = Resource("jaw_upper.png").scaled(79, 109, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    EXPECT_EQ(rig.Snapshot().copy(120, 95, 60, 109), upper.copy(19, 0, 60, 109));
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
