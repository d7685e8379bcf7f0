#pragma once
// The LCD's bitmap font (lcd_font_format.h): glyphs looked up by character,
// font and resolution. The font compiled into the program is
// resources/lcd_font/lcd_font.bin, which tools/lcd-font draws from the
// system's fonts.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "core/lcd/lcd_font_format.h"
#include "core/lcd/lcd_screen.h"

namespace zan {

// One glyph: `width` x `height` image pixels, 1 bit each (rows from the top,
// the highest bit first, 1 is ink), lying `x` image pixels right of its
// cell's left edge; the rest of the cell is paper.
struct LcdGlyph {
    const std::uint8_t* bits = nullptr;
    int width = 0;
    int height = 0;
    int x = 0;

    bool Ink(int col, int row) const
    {
        const int at = row * width + col;
        return (bits[at >> 3] >> (7 - (at & 7))) & 1;
    }
};

class LcdGlyphFont {
public:
    // Reads a font file's bytes, which must outlive the font. A file it
    // cannot read whole gives a font without glyphs (`valid` false).
    explicit LcdGlyphFont(std::span<const std::uint8_t> bytes);

    bool valid() const { return valid_; }
    // The glyph of `c` (one cell for ASCII, two beyond) in `font` at `ratio`
    // (1 or 2) image pixels per LCD pixel; none when the font has none.
    std::optional<LcdGlyph> Find(char32_t c, LcdFont font, int ratio) const;

private:
    struct Table {
        int width = 0;
        int height = 0;
        int count = 0;
        const std::uint8_t* codes = nullptr;  // u16 each, ascending
        const std::uint8_t* bits = nullptr;
        int bytesPerGlyph = 0;
    };
    struct Lookup {
        int table = 0;
        int x = 0;
    };
    struct Use {
        std::array<Lookup, kLcdFontLookups> lookups{};
        int count = 0;
    };
    static constexpr int kFonts = 3, kRatios = 2, kScripts = 2;

    bool Read(std::span<const std::uint8_t> bytes);
    static std::optional<int> IndexIn(const Table& table, char32_t c);
    Use& UseOf(LcdFont font, int ratio, LcdScript script);
    const Use& UseOf(LcdFont font, int ratio, LcdScript script) const;

    std::vector<Table> tables_;
    std::array<Use, kFonts * kRatios * kScripts> uses_{};
    bool valid_ = false;
};

// The font compiled into the program, and its file's bytes.
const LcdGlyphFont& BuiltInLcdFont();
std::span<const std::uint8_t> BuiltInLcdFontBytes();

}  // namespace zan
