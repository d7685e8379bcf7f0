// The LCD on the panel's backing image: a repaint of the screen area, and a
// sample screen against its golden picture. The pixels of the characters are
// the core's (tests/core/lcd_pixels_test.cpp).

#include <gtest/gtest.h>

#include "core/lcd/lcd_renderer.h"
#include "gui/panel/first_panel_dlg.h"
#include "gui/panel/frame_image.h"
#include "golden.h"
#include "panel_rig.h"

namespace zan::gui::test {
namespace {

// A repaint of the screen area puts the panel's picture back there first.
TEST(LcdRenderer, BodyAndScreenAreaRepaint)
{
    PanelRig rig;
    CFirstPanelDlg& panel = rig.windows.panel();
    const QImage before = panel.backing().copy();
    LcdScreen text;
    text.Begin();
    text.Text(23, 45, "ABC");
    rig.windows.ScreenChanged(text, false);
    EXPECT_NE(panel.backing().copy(23, 45, 18, 12), before.copy(23, 45, 18, 12));
    LcdScreen nothing;
    rig.windows.ScreenChanged(nothing, true);
    EXPECT_EQ(panel.backing(), before);
}

// A start screen with every font and both videos, as the renderer draws it.
TEST(LcdRenderer, SampleScreenMatchesItsGoldenPicture)
{
    LcdScreen screen;
    screen.Begin();
    screen.Text(40, 45, "Zandro", LcdVideo::Inverse);
    screen.Text(23, 203, "   ┃编辑 手动 自动 参数 刀偏  诊断┃");
    screen.Text(23, 191, "   ┏━━━━━━━━━━━━━━━┓");
    screen.ClearBody();
    screen.Text(89, 45, " 手动点动                   ");
    screen.Text(28, 57, "%01", LcdVideo::Normal, LcdFont::Wide);
    screen.Text(65, 80, "X 0100.000", LcdVideo::Normal, LcdFont::Large);
    screen.Text(65, 105, "Z-0012.345", LcdVideo::Normal, LcdFont::Large);
    screen.Text(53, 155, "进给倍率");
    screen.Text(107, 155, "100%", LcdVideo::Inverse);
    screen.Text(155, 169, "主轴转速 XXXX");
    screen.Text(82, 203, "手动", LcdVideo::Inverse);
    RgbaFrame frame(300, 230, FramePixel(kLcdBlue));
    LcdRenderer().Render(screen, frame, {});
    EXPECT_EQ(CompareWithGolden(FrameImage(frame).copy(20, 42, 249, 177), QStringLiteral("sample")), "");
}

}  // namespace
}  // namespace zan::gui::test
