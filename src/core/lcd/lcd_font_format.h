#pragma once
// The LCD's bitmap font as a file (resources/lcd_font/lcd_font.bin): what
// tools/lcd-font writes and the core reads, compiled in. Numbers are
// little-endian.
//
//   header  kLcdFontMagic (8 bytes), u16 use count, u16 table count
//   uses    kLcdFontUseBytes each: u8 font (LcdFont), u8 ratio (1 or 2),
//           u8 script (LcdScript), u8 lookup count, then up to
//           kLcdFontLookups lookups of u8 table, u8 x: the character is looked
//           up in those tables in order, and its glyph lies x image pixels
//           right of its cell's left edge (the rest of the cell is paper)
//   tables  u16 width, u16 height (image pixels of one glyph), u16 glyph
//           count, then the glyphs' code points (u16 each, ascending),
//           then their bits: per glyph (width * height + 7) / 8 bytes, rows
//           from the top, each from the left, the highest bit first; 1 is ink.
//
// A glyph is drawn in normal video (white on blue); inverse video swaps the
// colours. A use at ratio 2 has each LCD pixel as 2 x 2 image pixels, drawn
// with the faces at twice their size, so that text on a 200 % desktop is sharp.

#include <cstddef>
#include <cstdint>

namespace zan {

inline constexpr char kLcdFontMagic[8] = {'Z', 'A', 'N', 'L', 'C', 'D', 'F', '1'};
inline constexpr std::size_t kLcdFontHeaderBytes = 12;
inline constexpr std::size_t kLcdFontUseBytes = 8;
inline constexpr std::size_t kLcdFontTableHeaderBytes = 6;
inline constexpr int kLcdFontLookups = 2;
inline constexpr std::uint8_t kLcdFontNoTable = 0xFF;

// ASCII takes one cell; every other character two, in the Chinese faces.
enum class LcdScript : std::uint8_t { Ascii, Chinese };

// The resolutions the font holds glyphs for, in image pixels per LCD pixel.
inline constexpr int kLcdFontRatios[] = {1, 2};

}  // namespace zan
