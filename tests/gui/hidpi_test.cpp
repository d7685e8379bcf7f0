// A desktop scaled to 200 %: the LCD's text is drawn at the screen's
// resolution, the pixel art and the lathe view enlarged pixel for pixel,
// never blurred and never shown at 1:1. (The glyphs at ratio 2 themselves:
// tests/core/lcd_pixels_test.cpp.) The window tests need the scale set
// before the application starts: ctest runs them as `gui_hidpi` with
// QT_SCALE_FACTOR=2; at scale 1 they are skipped.

#include <QApplication>
#include <gtest/gtest.h>

#include "core/lcd/lcd_screen.h"
#include "gui/panel/first_panel_dlg.h"
#include "panel_rig.h"
#include "view_rig.h"

namespace zan::gui::test {
namespace {

constexpr QRgb kBlue = 0xFF000000u | kLcdBlue;
constexpr QRgb kWhite = 0xFFFFFFFFu;
constexpr int kRatio = 2;

QRect Scaled(const QRect& r) { return QRect(r.topLeft() * kRatio, r.size() * kRatio); }

// Aligned 2 x 2 blocks of `image` within `area` (image pixels) whose four
// pixels are not all the same: none for an enlarged 1x picture.
int FineBlocks(const QImage& image, const QRect& area)
{
    int fine = 0;
    for (int y = area.top(); y + 1 <= area.bottom(); y += kRatio)
        for (int x = area.left(); x + 1 <= area.right(); x += kRatio) {
            const QRgb p = image.pixel(x, y);
            fine += image.pixel(x + 1, y) != p || image.pixel(x, y + 1) != p || image.pixel(x + 1, y + 1) != p;
        }
    return fine;
}

// Pixels of `area` that are neither of the LCD's two colours (a blurred edge).
int Blurred(const QImage& image, const QRect& area)
{
    int mixed = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) mixed += image.pixel(x, y) != kBlue && image.pixel(x, y) != kWhite;
    return mixed;
}

bool ScaledDesktop() { return qApp->devicePixelRatio() == kRatio; }

// The panel's window on a 200 % desktop: twice the pixels of its size, the
// LCD's text sharp at that resolution, the picture around it enlarged.
TEST(ScaledDesktop, PanelDrawsItsLcdAtTheScreensResolution)
{
    if (!ScaledDesktop()) GTEST_SKIP() << "run with QT_SCALE_FACTOR=2";
    PanelRig rig;
    CFirstPanelDlg& panel = rig.windows.panel();
    EXPECT_EQ(panel.backing().devicePixelRatio(), kRatio);
    LcdScreen screen;
    screen.Begin();
    screen.Text(40, 45, "Zandro 编辑", LcdVideo::Inverse);
    screen.Text(65, 80, "X 0100.000", LcdVideo::Normal, LcdFont::Large);
    rig.windows.ScreenChanged(screen, true);
    panel.resize(CFirstPanelDlg::kOpenSize);
    const QImage shown = Grab(panel);
    ASSERT_EQ(shown.size(), CFirstPanelDlg::kOpenSize * kRatio) << "a 1:1 window";
    const QRect texts[] = {QRect(40, 45, 66, 12), QRect(65, 80, 160, 24)};
    for (const QRect& text : texts) {
        EXPECT_EQ(Blurred(shown, Scaled(text)), 0) << "a smoothed LCD";
        EXPECT_GT(FineBlocks(shown, Scaled(text)), 10) << "an enlarged 1x LCD";
    }
    // The picture's frame above the LCD: pixel art, each pixel a 2 x 2 block.
    EXPECT_EQ(FineBlocks(shown, Scaled(QRect(0, 0, 290, 40))), 0);
}

// The lathe view on a 200 % desktop shows each view pixel as a 2 x 2 block
// of its colour: neither blurred nor at 1:1.
TEST(ScaledDesktop, LatheViewEnlargesItsPixelsWithoutSmoothing)
{
    if (!ScaledDesktop()) GTEST_SKIP() << "run with QT_SCALE_FACTOR=2";
    ViewRig rig;
    rig.view->resize(rig.view->sizeHint());
    const QImage& view = rig.view->backing();
    const QImage shown = Grab(*rig.view);
    ASSERT_EQ(shown.size(), view.size() * kRatio) << "a 1:1 window";
    int wrong = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x) wrong += shown.pixel(x, y) != view.pixel(x / kRatio, y / kRatio);
    EXPECT_EQ(wrong, 0);
}

}  // namespace
}  // namespace zan::gui::test
