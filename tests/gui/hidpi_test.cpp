// A desktop scaled to 200 %: the LCD's text is drawn at the screen's
// resolution, the pixel art and the lathe view enlarged pixel for pixel,
// never blurred and never shown at 1:1. The window tests need the scale set
// before the application starts: ctest runs them as `gui_hidpi` with
// QT_SCALE_FACTOR=2; at scale 1 they are skipped.

#include <QApplication>
#include <gtest/gtest.h>

#include "core/lcd/lcd_screen.h"
#include "gui/panel/first_panel_dlg.h"
#include "gui/panel/lcd_renderer.h"
#include "panel_rig.h"
#include "view_rig.h"

namespace zan::gui::test {
namespace {

constexpr QRgb kBlue = 0xFF000000u | kLcdBlue;
constexpr QRgb kWhite = 0xFFFFFFFFu;
constexpr QRgb kRed = 0xFFFF0000u;
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

// The bounding box of a glyph's white, in LCD pixels (rounded outwards).
QRect InkBox(const QImage& glyph, int ratio)
{
    QRect box;
    for (int y = 0; y < glyph.height(); ++y)
        for (int x = 0; x < glyph.width(); ++x)
            if (glyph.pixel(x, y) == kWhite) box |= QRect(x / ratio, y / ratio, 1, 1);
    return box;
}

bool ScaledDesktop() { return qApp->devicePixelRatio() == kRatio; }

// Each character at ratio 2 fills the same part of its cells as at 1 (a
// face without outlines would stay at its small bitmap size).
TEST(LcdAtRatio2, CharactersKeepTheirSizeInTheirCells)
{
    LcdGlyphs glyphs;
    for (LcdFont font : {LcdFont::Normal, LcdFont::Wide, LcdFont::Large})
        for (char32_t c : {U'R', U'%', U'g', U'编', U'断', U'数'}) {
            const QRect at1 = InkBox(glyphs.Glyph(c, font, LcdVideo::Normal, 1), 1);
            const QRect at2 = InkBox(glyphs.Glyph(c, font, LcdVideo::Normal, kRatio), kRatio);
            const auto where = testing::Message() << "font " << static_cast<int>(font) << ", code point "
                                                  << static_cast<unsigned>(c);
            EXPECT_NEAR(at2.height(), at1.height(), 2) << where;
            EXPECT_NEAR(at2.width(), at1.width(), 2) << where;
            EXPECT_NEAR(at2.top(), at1.top(), 2) << where;
            EXPECT_NEAR(at2.left(), at1.left(), 2) << where;
        }
}

// The mode bar's frame closes at ratio 2 as well: its lines are whole LCD
// pixels thick, so the corners meet the sides.
TEST(LcdAtRatio2, ModeBarFrameCloses)
{
    LcdRenderer lcd;
    QImage image(600, 460, QImage::Format_RGB32);
    image.setDevicePixelRatio(kRatio);
    image.fill(kRed);
    lcd.DrawText(LcdText{23, 203, LcdFont::Normal, LcdVideo::Normal, "   ┃编辑┃"}, image);
    lcd.DrawText(LcdText{23, 191, LcdFont::Normal, LcdVideo::Normal, "   ┏━━┓"}, image);
    const int left = (23 + 3 * 6 + 5) * kRatio, right = (23 + 9 * 6 + 5) * kRatio, top = (191 + 5) * kRatio;
    for (int y = top; y < 215 * kRatio; ++y) {
        EXPECT_EQ(image.pixel(left, y), kWhite) << "left side, row " << y;
        EXPECT_EQ(image.pixel(right, y), kWhite) << "right side, row " << y;
    }
    for (int x = left; x <= right; ++x) EXPECT_EQ(image.pixel(x, top), kWhite) << "top, column " << x;
}

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
