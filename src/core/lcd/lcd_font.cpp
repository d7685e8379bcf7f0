#include "core/lcd/lcd_font.h"

#include <algorithm>
#include <cstring>

namespace zan {

// The bytes of resources/lcd_font/lcd_font.bin, compiled in (cmake/embed_bytes.cmake).
extern const unsigned char kLcdFontData[];
extern const std::size_t kLcdFontDataSize;

namespace {

// Reads little-endian numbers from a span, each only if it lies within.
struct Reader {
    std::span<const std::uint8_t> bytes;
    std::size_t at = 0;

    bool Has(std::size_t n) const { return at <= bytes.size() && n <= bytes.size() - at; }
    int U8() { return bytes[at++]; }
    int U16()
    {
        const int v = bytes[at] | (bytes[at + 1] << 8);
        at += 2;
        return v;
    }
    const std::uint8_t* Take(std::size_t n)
    {
        const std::uint8_t* p = bytes.data() + at;
        at += n;
        return p;
    }
};

int CodeAt(const std::uint8_t* codes, int i) { return codes[2 * i] | (codes[2 * i + 1] << 8); }

bool KnownFont(int font) { return font >= 0 && font <= static_cast<int>(LcdFont::Wide); }

}  // namespace

LcdGlyphFont::LcdGlyphFont(std::span<const std::uint8_t> bytes)
{
    valid_ = Read(bytes);
    if (!valid_) {
        tables_.clear();
        uses_ = {};
    }
}

LcdGlyphFont::Use& LcdGlyphFont::UseOf(LcdFont font, int ratio, LcdScript script)
{
    return uses_[(static_cast<int>(font) * kRatios + (ratio - 1)) * kScripts + static_cast<int>(script)];
}

const LcdGlyphFont::Use& LcdGlyphFont::UseOf(LcdFont font, int ratio, LcdScript script) const
{
    return uses_[(static_cast<int>(font) * kRatios + (ratio - 1)) * kScripts + static_cast<int>(script)];
}

// The uses come first and name their tables by index: they are checked
// against the table count once the tables are read.
bool LcdGlyphFont::Read(std::span<const std::uint8_t> bytes)
{
    Reader r{bytes};
    if (!r.Has(kLcdFontHeaderBytes) || std::memcmp(r.Take(sizeof kLcdFontMagic), kLcdFontMagic, sizeof kLcdFontMagic) != 0)
        return false;
    const int useCount = r.U16(), tableCount = r.U16();
    if (!r.Has(kLcdFontUseBytes * useCount)) return false;
    std::vector<std::pair<Use*, Use>> read;
    for (int u = 0; u < useCount; ++u) {
        const int font = r.U8(), ratio = r.U8(), script = r.U8(), count = r.U8();
        Use use;
        use.count = std::min(count, kLcdFontLookups);
        for (Lookup& lookup : use.lookups) lookup = {r.U8(), r.U8()};
        if (!KnownFont(font) || ratio < 1 || ratio > kRatios || script < 0 || script >= kScripts) return false;
        UseOf(static_cast<LcdFont>(font), ratio, static_cast<LcdScript>(script)) = use;
    }
    for (int t = 0; t < tableCount; ++t) {
        if (!r.Has(kLcdFontTableHeaderBytes)) return false;
        Table table;
        table.width = r.U16();
        table.height = r.U16();
        table.count = r.U16();
        table.bytesPerGlyph = (table.width * table.height + 7) / 8;
        const std::size_t codeBytes = 2u * table.count, bitBytes = std::size_t(table.bytesPerGlyph) * table.count;
        if (!r.Has(codeBytes + bitBytes)) return false;
        table.codes = r.Take(codeBytes);
        table.bits = r.Take(bitBytes);
        tables_.push_back(table);
    }
    for (const Use& use : uses_)
        for (int k = 0; k < use.count; ++k)
            if (use.lookups[k].table >= tableCount) return false;
    return true;
}

std::optional<int> LcdGlyphFont::IndexIn(const Table& table, char32_t c)
{
    int lo = 0, hi = table.count;  // binary search over the ascending codes
    while (lo < hi) {
        const int mid = (lo + hi) / 2;
        const int code = CodeAt(table.codes, mid);
        if (static_cast<char32_t>(code) == c) return mid;
        if (static_cast<char32_t>(code) < c) lo = mid + 1;
        else hi = mid;
    }
    return std::nullopt;
}

std::optional<LcdGlyph> LcdGlyphFont::Find(char32_t c, LcdFont font, int ratio) const
{
    if (!KnownFont(static_cast<int>(font)) || ratio < 1 || ratio > kRatios) return std::nullopt;
    const Use& use = UseOf(font, ratio, c < 0x80 ? LcdScript::Ascii : LcdScript::Chinese);
    for (int k = 0; k < use.count; ++k) {
        const Table& table = tables_[use.lookups[k].table];
        if (const std::optional<int> i = IndexIn(table, c))
            return LcdGlyph{table.bits + std::size_t(*i) * table.bytesPerGlyph, table.width, table.height,
                            use.lookups[k].x};
    }
    return std::nullopt;
}

std::span<const std::uint8_t> BuiltInLcdFontBytes() { return {kLcdFontData, kLcdFontDataSize}; }

const LcdGlyphFont& BuiltInLcdFont()
{
    static const LcdGlyphFont font(BuiltInLcdFontBytes());
    return font;
}

}  // namespace zan
