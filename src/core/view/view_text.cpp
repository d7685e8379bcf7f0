#include "core/view/view_text.h"

#include <algorithm>

namespace zan {

namespace {

constexpr char32_t kReplacement = 0xFFFD;
constexpr int kRowBits = 32;

// Bytes following a lead byte, or -1 for a byte that cannot lead.
int ContinuationCount(unsigned char lead)
{
    if (lead < 0x80) return 0;
    if ((lead & 0xE0) == 0xC0) return 1;
    if ((lead & 0xF0) == 0xE0) return 2;
    if ((lead & 0xF8) == 0xF0) return 3;
    return -1;
}

}  // namespace

char32_t Utf8Reader::Next()
{
    const auto lead = static_cast<unsigned char>(text_[at_++]);
    const int more = ContinuationCount(lead);
    if (more < 0) return kReplacement;
    if (more == 0) return lead;
    char32_t code = lead & (0x3F >> more);
    for (int i = 0; i < more; ++i) {
        if (at_ >= text_.size() || (static_cast<unsigned char>(text_[at_]) & 0xC0) != 0x80) return kReplacement;
        code = (code << 6) | (static_cast<unsigned char>(text_[at_++]) & 0x3F);
    }
    return code;
}

const ViewGlyph* FindGlyph(const ViewFont& font, char32_t code)
{
    const auto found = std::lower_bound(font.glyphs.begin(), font.glyphs.end(), code,
                                        [](const ViewGlyph& g, char32_t c) { return g.code < c; });
    return found != font.glyphs.end() && found->code == code ? &*found : nullptr;
}

int TextWidth(const ViewFont& font, std::string_view text)
{
    int width = 0;
    for (Utf8Reader reader(text); !reader.done();)
        if (const ViewGlyph* glyph = FindGlyph(font, reader.Next())) width += glyph->advance;
    return width;
}

FrameRect DrawViewText(Raster& raster, Point at, std::string_view text, Pixel ink, Pixel paper)
{
    const ViewFont& font = TheViewFont();
    const FrameRect covered =
        Intersection(FrameRect{at.x, at.y, at.x + TextWidth(font, text), at.y + font.height}, raster.clip());
    if (covered.empty()) return {};
    raster.FillRect(covered, paper);
    RgbaFrame& frame = raster.frame();
    int pen = at.x;
    for (Utf8Reader reader(text); !reader.done();) {
        const ViewGlyph* glyph = FindGlyph(font, reader.Next());
        if (glyph == nullptr) continue;
        for (int row = 0; row < font.height; ++row) {
            const int y = at.y + row;
            const std::uint32_t bits = font.rows[glyph->firstRow + row];
            if (bits == 0 || y < covered.top || y >= covered.bottom) continue;
            for (int i = 0; i < kRowBits; ++i) {
                const int x = pen + glyph->left + i;
                if ((bits >> (kRowBits - 1 - i)) & 1u && x >= covered.left && x < covered.right) frame.Row(y)[x] = ink;
            }
        }
        pen += glyph->advance;
    }
    return covered;
}

}  // namespace zan
