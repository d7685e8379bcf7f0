#pragma once
// The LCD's characters as ready-made cell pictures: each one filled with its
// background and carrying its glyph, so that drawing a text is copying
// pictures. Built on first use and kept.
//
// Faces, checked to give the LCD's cells exactly (6 x 12 normal, 10 x 12
// wide, 16 x 24 large, two cells for a character beyond ASCII):
// - ASCII: DejaVu Sans Mono, 10 pixels (advance 6), stretched to 167 % for
//   the wide font (advance 10) and 20 pixels at 133 % for the large one
//   (advance 16, ascent + descent 24);
// - Chinese: WenQuanYi Bitmap Song at its 12-pixel size, centred in the two
//   cells of the wide font; WenQuanYi Zen Hei at 24 pixels for the large font.
// Everything is drawn without antialiasing: the LCD has two colours.
// The box-drawing characters of the mode bar are drawn as lines through the
// middle of their cells, so that the frame they build closes.
//
// On a scaled desktop a glyph is drawn at `ratio` image pixels per LCD
// pixel (the picture carries that device pixel ratio), with the same faces at
// `ratio` times their pixel sizes, so that the text is sharp rather than
// enlarged; its size in LCD pixels is the same at every ratio. The Song face
// has bitmaps at its small sizes only, so there the Chinese of the normal and
// wide fonts is drawn with Zen Hei, as the large font's is.

#include <QFont>
#include <QImage>
#include <cstdint>
#include <unordered_map>

#include "core/lcd/lcd_screen.h"

namespace zan::gui {

class LcdGlyphs {
public:
    LcdGlyphs();

    // The picture of one character, one or two cells of `font` wide, at
    // `ratio` (1 to kMaxRatio) image pixels per LCD pixel.
    const QImage& Glyph(char32_t c, LcdFont font, LcdVideo video, int ratio = 1);

    static constexpr int kMaxRatio = 8;

    // The faces chosen for ASCII and for Chinese text (for checking them).
    const QFont& AsciiFace(LcdFont font) const { return ascii_[Index(font)]; }
    const QFont& ChineseFace(LcdFont font, int ratio = 1) const
    {
        return ratio > 1 && font != LcdFont::Large ? chineseScaled_ : chinese_[Index(font)];
    }

private:
    static int Index(LcdFont font) { return static_cast<int>(font); }
    QImage Draw(char32_t c, LcdFont font, LcdVideo video, int ratio) const;

    QFont ascii_[3];
    QFont chinese_[3];
    QFont chineseScaled_;  // normal and wide at ratios above 1
    std::unordered_map<std::uint64_t, QImage> cache_;
};

// True for the box-drawing characters drawn as lines.
bool IsBoxCharacter(char32_t c);

}  // namespace zan::gui
