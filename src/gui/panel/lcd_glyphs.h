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

#include <QFont>
#include <QImage>
#include <cstdint>
#include <unordered_map>

#include "core/lcd/lcd_screen.h"

namespace zan::gui {

class LcdGlyphs {
public:
    LcdGlyphs();

    // The picture of one character, one or two cells of `font` wide.
    const QImage& Glyph(char32_t c, LcdFont font, LcdVideo video);

    // The faces chosen for ASCII and for Chinese text (for checking them).
    const QFont& AsciiFace(LcdFont font) const { return ascii_[Index(font)]; }
    const QFont& ChineseFace(LcdFont font) const { return chinese_[Index(font)]; }

private:
    static int Index(LcdFont font) { return static_cast<int>(font); }
    QImage Draw(char32_t c, LcdFont font, LcdVideo video) const;

    QFont ascii_[3];
    QFont chinese_[3];
    std::unordered_map<std::uint64_t, QImage> cache_;
};

// True for the box-drawing characters drawn as lines.
bool IsBoxCharacter(char32_t c);

}  // namespace zan::gui
