#pragma once
// The glyph tables of the font file and the uses that look characters up in
// them (core/lcd/lcd_font_format.h), built from cell pictures. Chinese
// glyphs drawn by one face at one size are stored once and shared by the
// fonts that show them (placed further right in a wider cell); a cell that
// does not come out the same that way is kept whole in a table of its use's own.

#include <QImage>
#include <cstdint>
#include <string>
#include <vector>

#include "core/lcd/lcd_font_format.h"
#include "core/lcd/lcd_screen.h"

namespace zan::lcdfont {

// A glyph's pixels, row by row: true is ink.
struct Bitmap {
    int width = 0;
    int height = 0;
    std::vector<bool> ink;
    friend bool operator==(const Bitmap&, const Bitmap&) = default;
};

// The ink of a cell picture drawn in normal video (white on blue).
Bitmap InkOf(const QImage& cell);

struct Table {
    int width = 0;
    int height = 0;
    std::vector<char32_t> codes;  // ascending
    std::vector<Bitmap> glyphs;   // one per code
};

struct Lookup {
    int table = kLcdFontNoTable;
    int x = 0;  // image pixels from the cell's left edge
};

struct Use {
    LcdFont font;
    int ratio;
    LcdScript script;
    std::vector<Lookup> lookups;
};

class FontTables {
public:
    // A table of whole cells; returns its index.
    int AddTable(const std::vector<char32_t>& codes, const std::vector<Bitmap>& cells);
    // A use whose cells are those of table `base` placed `x` pixels right in
    // cells as wide as `cells`; cells that differ go into a table of their own,
    // looked up first. Returns how many did.
    int AddSharedUse(Use use, int base, int x, const std::vector<Bitmap>& cells);
    void AddUse(Use use) { uses_.push_back(std::move(use)); }

    // The file's bytes.
    std::string Serialise() const;

private:
    std::vector<Table> tables_;
    std::vector<Use> uses_;
};

}  // namespace zan::lcdfont
