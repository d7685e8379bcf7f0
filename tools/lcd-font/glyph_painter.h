#pragma once
// The LCD's characters drawn from the system's fonts with QPainter, one
// cell picture each, as the font file stores them.
//
// Faces, checked to give the LCD's cells exactly (6 x 12 normal, 10 x 12
// wide, 16 x 24 large, two cells for a character beyond ASCII):
// - ASCII: DejaVu Sans Mono, 10 pixels (advance 6), stretched to 167 % for
//   the wide font (advance 10) and 20 pixels at 133 % for the large one
//   (advance 16, ascent + descent 24);
// - Chinese: WenQuanYi Bitmap Song at its 12-pixel size, centred in the two
//   cells of the wide font; WenQuanYi Zen Hei at 24 pixels for the large font.
// Everything is drawn without antialiasing: the LCD has two colours.
//
// At `ratio` image pixels per LCD pixel a glyph is drawn with the same faces
// at `ratio` times their pixel sizes, so that the text is sharp rather than
// enlarged; its size in LCD pixels is the same at every ratio. The Song face
// has bitmaps at its small sizes only, so there the Chinese of the normal and
// wide fonts is drawn with Zen Hei, as the large font's is.

#include <QFont>
#include <QImage>
#include <QString>

#include "core/lcd/lcd_screen.h"

namespace zan::lcdfont {

class GlyphPainter {
public:
    GlyphPainter();

    // The cell picture of `c`, one or two cells of `font` wide, at `ratio`
    // image pixels per LCD pixel.
    QImage Draw(char32_t c, LcdFont font, LcdVideo video, int ratio) const;

    // Empty when every face is the one the cells were measured with; else
    // which is not (a substitute face would give other glyphs).
    QString MissingFaces() const;

private:
    static int Index(LcdFont font) { return static_cast<int>(font); }
    const QFont& ChineseFace(LcdFont font, int ratio) const
    {
        return ratio > 1 && font != LcdFont::Large ? chineseScaled_ : chinese_[Index(font)];
    }

    QFont ascii_[3];
    QFont chinese_[3];
    QFont chineseScaled_;  // normal and wide at ratios above 1
};

}  // namespace zan::lcdfont
