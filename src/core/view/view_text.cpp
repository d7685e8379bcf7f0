#include "core/view/view_text.h"

#include <algorithm>

#include "core/text/utf8.h"

namespace zan {

namespace {

constexpr int kRowBits = 32;

}  // namespace

const ViewGlyph* FindGlyph(const ViewFont& font, char32_t code)
{
    const auto found = std::lower_bound(font.glyphs.begin(), font.glyphs.end(), code,
                                        [](const ViewGlyph& g, char32_t c) { return g.code < c; });
    return found != font.glyphs.end() && found->code == code ? &*found : nullptr;
}

int TextWidth(const ViewFont& font, std::string_view text)
{
    int width = 0;
    for (std::size_t at = 0; at < text.size();)
        if (const ViewGlyph* glyph = FindGlyph(font, NextCodePoint(text, at))) width += glyph->advance;
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
    for (std::size_t next = 0; next < text.size();) {
        const ViewGlyph* glyph = FindGlyph(font, NextCodePoint(text, next));
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
