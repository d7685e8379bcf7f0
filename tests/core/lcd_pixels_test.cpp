// The LCD's pixels as the core draws them from its bitmap font: each
// character opaque in its own cells, Chinese in two, inverse video with its
// margin, the mode bar's frame closed, the same glyph sizes at every ratio
// (the font's own at 2, enlarged pixel for pixel above), and a font file that
// is read whole or not at all.

#include <gtest/gtest.h>

#include <vector>

#include "core/lcd/lcd_font.h"
#include "core/lcd/lcd_renderer.h"

namespace zan {
namespace {

constexpr std::uint32_t kBlue = FramePixel(kLcdBlue);
constexpr std::uint32_t kWhite = FramePixel(kLcdWhite);
constexpr std::uint32_t kRed = FramePixel(0xFF0000);

bool Inside(const FrameRect& r, int x, int y) { return x >= r.left && x < r.right && y >= r.top && y < r.bottom; }

// Every character fills its cells and nothing beyond: only blue and white
// inside the text's rectangle, the canvas untouched outside it; a Chinese
// character takes two cells in every font.
TEST(LcdPixels, DrawEachCharacterOpaqueIntoItsOwnCells)
{
    LcdRenderer lcd;
    for (LcdFont font : {LcdFont::Normal, LcdFont::Wide, LcdFont::Large}) {
        RgbaFrame frame(300, 230, kRed);
        const FrameRect drawn = lcd.DrawText({10, 20, font, LcdVideo::Normal, "R0X%编: W"}, frame, {});
        const CellSize cell = CellOf(font);
        EXPECT_EQ(drawn, (FrameRect{10, 20, 10 + cell.width * 9, 20 + cell.height}));
        EXPECT_EQ(frame.dirty(), drawn);
        int white = 0;
        for (int y = 0; y < frame.height(); ++y)
            for (int x = 0; x < frame.width(); ++x) {
                const std::uint32_t p = frame.At(x, y);
                if (!Inside(drawn, x, y)) ASSERT_EQ(p, kRed) << x << "," << y;
                else ASSERT_TRUE(p == kBlue || p == kWhite) << x << "," << y;
                white += p == kWhite;
            }
        EXPECT_GT(white, cell.height * 6) << "no glyphs drawn";
        RgbaFrame one(100, 30, kRed);
        EXPECT_EQ(lcd.DrawCharacter(U'编', font, LcdVideo::Normal, 1, one, 0, 0), 2 * cell.width);
    }
}

// In inverse video the box is white and a text's last letter does not run
// into the blue beyond it: a cell's blank column is its last.
TEST(LcdPixels, InverseTextStandsInAWhiteBoxWithItsOwnMargin)
{
    RgbaFrame frame(300, 230, kBlue);
    LcdRenderer().DrawText({40, 45, LcdFont::Normal, LcdVideo::Inverse, "Zandro"}, frame, {});
    int ink = 0;
    for (int y = 45; y < 57; ++y) {
        EXPECT_EQ(frame.At(40 + 35, y), kWhite) << "the last column of the last cell, row " << y;
        for (int x = 40; x < 76; ++x) ink += frame.At(x, y) == kBlue;
    }
    EXPECT_GT(ink, 30);
}

// The mode bar's two rows build a closed frame at every ratio: the corners'
// and the sides' lines (two LCD pixels thick, through the middle of the
// 12 x 12 cells) meet the top line without a gap, and end there.
TEST(LcdPixels, ModeBarFrameCloses)
{
    for (int ratio : {1, 2, 3}) {
        RgbaFrame frame(300 * ratio, 230 * ratio, kRed);
        LcdRenderer lcd;
        const LcdPlacement at{0, 0, ratio};
        lcd.DrawText({23, 203, LcdFont::Normal, LcdVideo::Normal, "   ┃编辑手动┃"}, frame, at);
        lcd.DrawText({23, 191, LcdFont::Normal, LcdVideo::Normal, "   ┏━━━━┓"}, frame, at);
        // Cells 3-4 and 13-14 hold the corners and sides.
        const int left = (23 + 3 * 6 + 5) * ratio, right = (23 + 13 * 6 + 6) * ratio, top = (191 + 5) * ratio;
        for (int y = top; y < 215 * ratio; ++y) {
            EXPECT_EQ(frame.At(left, y), kWhite) << "left side, row " << y << " at ratio " << ratio;
            EXPECT_EQ(frame.At(right, y), kWhite) << "right side, row " << y << " at ratio " << ratio;
        }
        for (int x = left; x <= right; ++x) EXPECT_EQ(frame.At(x, top), kWhite) << "top, column " << x;
        EXPECT_EQ(frame.At(left - 1, top), kBlue) << "beyond the corner at ratio " << ratio;
    }
}

// The bounding box of a character's white, in LCD pixels (rounded outwards).
FrameRect InkBox(char32_t c, LcdFont font, int ratio)
{
    RgbaFrame frame(40 * ratio, 30 * ratio, kRed);
    LcdRenderer().DrawCharacter(c, font, LcdVideo::Normal, ratio, frame, 0, 0);
    FrameRect box;
    for (int y = 0; y < frame.height(); ++y)
        for (int x = 0; x < frame.width(); ++x)
            if (frame.At(x, y) == kWhite) box = Union(box, {x / ratio, y / ratio, x / ratio + 1, y / ratio + 1});
    return box;
}

// Each character at ratio 2 fills the same part of its cells as at 1 (a
// face without outlines would have stayed at its small bitmap size).
TEST(LcdPixels, CharactersKeepTheirSizeInTheirCellsAtRatio2)
{
    for (LcdFont font : {LcdFont::Normal, LcdFont::Wide, LcdFont::Large})
        for (char32_t c : {U'R', U'%', U'g', U'编', U'断', U'数'}) {
            const FrameRect at1 = InkBox(c, font, 1), at2 = InkBox(c, font, 2);
            const auto where = testing::Message() << "font " << static_cast<int>(font) << ", code point "
                                                  << static_cast<unsigned>(c);
            EXPECT_NEAR(at2.height(), at1.height(), 2) << where;
            EXPECT_NEAR(at2.width(), at1.width(), 2) << where;
            EXPECT_NEAR(at2.top, at1.top, 2) << where;
            EXPECT_NEAR(at2.left, at1.left, 2) << where;
        }
}

// Above 2 the glyphs of ratio 2 (even ratios) or 1 (odd) are enlarged pixel
// for pixel; at 2 they are the font's own, finer than 1 enlarged.
TEST(LcdPixels, LargerRatiosEnlargeTheFontsGlyphs)
{
    LcdRenderer lcd;
    const auto draw = [&lcd](int ratio) {
        RgbaFrame frame(24 * ratio, 12 * ratio, kRed);
        lcd.DrawText({0, 0, LcdFont::Normal, LcdVideo::Normal, "R编"}, frame, {0, 0, ratio});
        return frame;
    };
    const RgbaFrame at1 = draw(1), at2 = draw(2);
    int finer = 0;
    for (int ratio : {2, 3, 4, 6}) {
        const RgbaFrame big = draw(ratio);
        const RgbaFrame& base = ratio % 2 == 0 ? at2 : at1;
        const int scale = ratio / (ratio % 2 == 0 ? 2 : 1);
        int wrong = 0;
        for (int y = 0; y < big.height(); ++y)
            for (int x = 0; x < big.width(); ++x) {
                wrong += big.At(x, y) != base.At(x / scale, y / scale);
                if (ratio == 2) finer += big.At(x, y) != at1.At(x / 2, y / 2);
            }
        EXPECT_EQ(wrong, 0) << "ratio " << ratio;
    }
    EXPECT_GT(finer, 20) << "ratio 2 is ratio 1 enlarged";
}

// Clearing the body fills exactly its rectangle; a frame from elsewhere on
// the panel gets it at its own origin, clipped.
TEST(LcdPixels, BodyIsClearedWhereTheFrameHoldsIt)
{
    LcdScreen screen;
    screen.Begin();
    screen.ClearBody();
    RgbaFrame frame(300, 230, kRed);
    EXPECT_EQ(LcdRenderer().Render(screen, frame, {}), (FrameRect{23, 57, 265, 193}));
    EXPECT_EQ(frame.At(23, 57), kBlue);
    EXPECT_EQ(frame.At(264, 192), kBlue);
    EXPECT_EQ(frame.At(265, 192), kRed);
    EXPECT_EQ(frame.At(264, 193), kRed);
    RgbaFrame part(100, 100, kRed);
    EXPECT_EQ(LcdRenderer().Render(screen, part, {200, 150, 2}), (FrameRect{0, 0, 100, 86}));
    EXPECT_EQ(part.At(99, 85), kBlue);
    EXPECT_EQ(part.At(99, 86), kRed);
}

// A font file cut short anywhere, or not one at all, gives no glyphs rather
// than glyphs read from beyond its end.
TEST(LcdFontFile, IsReadWholeOrNotAtAll)
{
    const LcdGlyphFont& built = BuiltInLcdFont();
    ASSERT_TRUE(built.valid());
    for (LcdFont font : {LcdFont::Normal, LcdFont::Wide, LcdFont::Large})
        for (int ratio : {1, 2}) {
            EXPECT_TRUE(built.Find(U'R', font, ratio)) << static_cast<int>(font) << " at " << ratio;
            EXPECT_EQ(built.Find(U'编', font, ratio).has_value(), font != LcdFont::Large || ratio == 1);
        }
    EXPECT_FALSE(built.Find(U'\u2603', LcdFont::Normal, 1)) << "a character beyond GB2312";

    const std::span<const std::uint8_t> bytes = BuiltInLcdFontBytes();
    EXPECT_TRUE(LcdGlyphFont(bytes).valid());
    for (std::size_t size : {std::size_t(0), kLcdFontHeaderBytes, kLcdFontHeaderBytes + 20, bytes.size() / 2,
                             bytes.size() - 1}) {
        const LcdGlyphFont cut(bytes.first(size));
        EXPECT_FALSE(cut.valid()) << size;
        EXPECT_FALSE(cut.Find(U'R', LcdFont::Normal, 1)) << size;
    }
    // A use naming a table the file does not have.
    std::vector<std::uint8_t> wrong(bytes.begin(), bytes.end());
    wrong[kLcdFontHeaderBytes + 4] = 200;
    EXPECT_FALSE(LcdGlyphFont(wrong).valid());
}

}  // namespace
}  // namespace zan
