#include "font_tables.h"

#include <iterator>

namespace zan::lcdfont {

namespace {

void PutU8(std::string& out, int v) { out.push_back(static_cast<char>(v & 0xFF)); }
void PutU16(std::string& out, int v)
{
    PutU8(out, v);
    PutU8(out, v >> 8);
}

// The table's glyph at `x` in a cell of the given size, paper around it.
Bitmap Placed(const Bitmap& glyph, int x, int width, int height)
{
    Bitmap cell{width, height, std::vector<bool>(static_cast<std::size_t>(width) * height, false)};
    for (int row = 0; row < glyph.height && row < height; ++row)
        for (int col = 0; col < glyph.width && x + col < width; ++col)
            cell.ink[row * width + x + col] = glyph.ink[row * glyph.width + col];
    return cell;
}

void PutBits(std::string& out, const Bitmap& glyph)
{
    int byte = 0, bits = 0;
    for (bool ink : glyph.ink) {
        byte = (byte << 1) | (ink ? 1 : 0);
        if (++bits == 8) {
            PutU8(out, byte);
            byte = bits = 0;
        }
    }
    if (bits > 0) PutU8(out, byte << (8 - bits));
}

}  // namespace

Bitmap InkOf(const QImage& cell)
{
    Bitmap b{cell.width(), cell.height(), {}};
    b.ink.reserve(static_cast<std::size_t>(b.width) * b.height);
    for (int y = 0; y < b.height; ++y)
        for (int x = 0; x < b.width; ++x) b.ink.push_back(cell.pixel(x, y) == (0xFF000000u | kLcdWhite));
    return b;
}

int FontTables::AddTable(const std::vector<char32_t>& codes, const std::vector<Bitmap>& cells)
{
    Table t;
    t.codes = codes;
    t.glyphs = cells;
    if (!cells.empty()) t.width = cells.front().width, t.height = cells.front().height;
    tables_.push_back(std::move(t));
    return static_cast<int>(tables_.size()) - 1;
}

int FontTables::AddSharedUse(Use use, int base, int x, const std::vector<Bitmap>& cells)
{
    const Table& shared = tables_[base];
    std::vector<char32_t> ownCodes;
    std::vector<Bitmap> own;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const Bitmap& cell = cells[i];
        if (Placed(shared.glyphs[i], x, cell.width, cell.height) == cell) continue;
        ownCodes.push_back(shared.codes[i]);
        own.push_back(cell);
    }
    if (!own.empty()) use.lookups.push_back({AddTable(ownCodes, own), 0});
    use.lookups.push_back({base, x});
    uses_.push_back(std::move(use));
    return static_cast<int>(own.size());
}

std::string FontTables::Serialise() const
{
    std::string out(std::begin(kLcdFontMagic), std::end(kLcdFontMagic));
    PutU16(out, static_cast<int>(uses_.size()));
    PutU16(out, static_cast<int>(tables_.size()));
    for (const Use& use : uses_) {
        PutU8(out, static_cast<int>(use.font));
        PutU8(out, use.ratio);
        PutU8(out, static_cast<int>(use.script));
        PutU8(out, static_cast<int>(use.lookups.size()));
        for (int k = 0; k < kLcdFontLookups; ++k) {
            const bool set = k < static_cast<int>(use.lookups.size());
            PutU8(out, set ? use.lookups[k].table : kLcdFontNoTable);
            PutU8(out, set ? use.lookups[k].x : 0);
        }
    }
    for (const Table& t : tables_) {
        PutU16(out, t.width);
        PutU16(out, t.height);
        PutU16(out, static_cast<int>(t.codes.size()));
        for (char32_t c : t.codes) PutU16(out, static_cast<int>(c));
        for (const Bitmap& glyph : t.glyphs) PutBits(out, glyph);
    }
    return out;
}

}  // namespace zan::lcdfont
