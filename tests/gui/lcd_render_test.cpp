// The LCD on the panel's backing image: the faces chosen, cells, opaque
// text, inverse video, Chinese in two cells, the mode bar's frame, and a
// sample screen against its golden picture.

#include <QFontInfo>
#include <gtest/gtest.h>

#include "gui/panel/first_panel_dlg.h"
#include "gui/panel/lcd_renderer.h"
#include "golden.h"
#include "panel_rig.h"

namespace zan::gui::test {
namespace {

constexpr QRgb kBlue = 0xFF000000u | kLcdBlue;
constexpr QRgb kWhite = 0xFFFFFFFFu;
constexpr QRgb kRed = 0xFFFF0000u;

QImage Canvas(QRgb fill = kRed)
{
    QImage image(300, 230, QImage::Format_RGB32);
    image.fill(fill);
    return image;
}

// The faces are the ones the cells were measured with: a substitute face
// would give other widths.
TEST(LcdFaces, AreTheFacesTheCellsWereMeasuredWith)
{
    LcdGlyphs glyphs;
    for (LcdFont font : {LcdFont::Normal, LcdFont::Wide, LcdFont::Large}) {
        EXPECT_EQ(QFontInfo(glyphs.AsciiFace(font)).family(), QStringLiteral("DejaVu Sans Mono"));
        const QFontInfo chinese(glyphs.ChineseFace(font));
        EXPECT_EQ(chinese.family(), font == LcdFont::Large ? QStringLiteral("WenQuanYi Zen Hei")
                                                            : QStringLiteral("WenQuanYi Bitmap Song"));
    }
    EXPECT_EQ(QFontInfo(glyphs.ChineseFace(LcdFont::Normal)).pixelSize(), 12);
}

// Every character fills its cells and nothing beyond: only blue and white
// inside the text's rectangle, the canvas untouched outside it; a Chinese
// character takes two cells in every font.
TEST(LcdRenderer, DrawsEachCharacterOpaqueIntoItsOwnCells)
{
    LcdRenderer lcd;
    for (LcdFont font : {LcdFont::Normal, LcdFont::Wide, LcdFont::Large}) {
        QImage image = Canvas();
        const LcdText text{10, 20, font, LcdVideo::Normal, "R0X%编: W"};
        const QRect drawn = lcd.DrawText(text, image);
        const CellSize cell = CellOf(font);
        EXPECT_EQ(drawn, QRect(10, 20, cell.width * 9, cell.height));
        int white = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QRgb p = image.pixel(x, y);
                if (!drawn.contains(x, y)) ASSERT_EQ(p, kRed) << x << "," << y;
                else ASSERT_TRUE(p == kBlue || p == kWhite) << x << "," << y;
                white += p == kWhite;
            }
        EXPECT_GT(white, cell.height * 6) << "no glyphs drawn";
        EXPECT_TRUE(lcd.glyphs().Glyph(U'编', font, LcdVideo::Normal).width() == 2 * cell.width);
    }
}

// In inverse video the box is white and a text's last letter does not run
// into the blue beyond it: a cell's blank column is its last.
TEST(LcdRenderer, InverseTextStandsInAWhiteBoxWithItsOwnMargin)
{
    LcdRenderer lcd;
    QImage image = Canvas(kBlue);
    lcd.DrawText(LcdText{40, 45, LcdFont::Normal, LcdVideo::Inverse, "Zandro"}, image);
    int ink = 0;
    for (int y = 45; y < 57; ++y) {
        EXPECT_EQ(image.pixel(40 + 35, y), kWhite) << "the last column of the last cell, row " << y;
        for (int x = 40; x < 76; ++x) ink += image.pixel(x, y) == kBlue;
    }
    EXPECT_GT(ink, 30);
}

// The mode bar's two rows build a closed frame: the corners' and the sides'
// lines meet the top line without a gap.
TEST(LcdRenderer, ModeBarFrameCloses)
{
    LcdRenderer lcd;
    QImage image = Canvas();
    lcd.DrawText(LcdText{23, 203, LcdFont::Normal, LcdVideo::Normal, "   ┃编辑 手动 自动 参数 刀偏  诊断┃"}, image);
    lcd.DrawText(LcdText{23, 191, LcdFont::Normal, LcdVideo::Normal, "   ┏━━━━━━━━━━━━━━━┓"}, image);
    // Cells 3-4 and 35-36 hold the corners and sides; the lines run through
    // the middle of the 12 x 12 pixels, two pixels thick.
    const int left = 23 + 3 * 6 + 5, right = 23 + 35 * 6 + 5, top = 191 + 5;
    for (int y = top; y < 215; ++y) {
        EXPECT_EQ(image.pixel(left, y), kWhite) << "left side, row " << y;
        EXPECT_EQ(image.pixel(right + 1, y), kWhite) << "right side, row " << y;
    }
    for (int x = left; x <= right + 1; ++x) EXPECT_EQ(image.pixel(x, top), kWhite) << "top, column " << x;
    EXPECT_EQ(image.pixel(left - 1, top), kBlue);  // nothing beyond the corner
}

// Clearing the body fills exactly its rectangle; a repaint of the screen
// area puts the panel's picture back there first.
TEST(LcdRenderer, BodyAndScreenAreaRepaint)
{
    LcdScreen screen;
    screen.Begin();
    screen.ClearBody();
    LcdRenderer lcd;
    QImage image = Canvas();
    EXPECT_EQ(lcd.Render(screen, image), QRect(23, 57, 242, 136));
    EXPECT_EQ(image.pixel(23, 57), kBlue);
    EXPECT_EQ(image.pixel(264, 192), kBlue);
    EXPECT_EQ(image.pixel(265, 192), kRed);
    EXPECT_EQ(image.pixel(264, 193), kRed);

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
    LcdRenderer lcd;
    QImage image = Canvas(kBlue);
    lcd.Render(screen, image);
    EXPECT_EQ(CompareWithGolden(image.copy(20, 42, 249, 177), QStringLiteral("sample")), "");
}

}  // namespace
}  // namespace zan::gui::test
