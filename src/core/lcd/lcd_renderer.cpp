#include "core/lcd/lcd_renderer.h"

#include <algorithm>

#include "core/lcd/lcd_boxes.h"

namespace zan {

namespace {

// The font's resolutions: 2 for even ratios, else 1; the rest is enlargement.
constexpr int kFineRatio = 2;

// A rectangle of frame pixels in one colour, clipped to the frame.
void FillFrame(RgbaFrame& frame, const FrameRect& rect, std::uint32_t pixel)
{
    const FrameRect r = Intersection(rect, frame.bounds());
    for (int y = r.top; y < r.bottom; ++y) std::fill(frame.Row(y) + r.left, frame.Row(y) + r.right, pixel);
}

struct Colours {
    std::uint32_t paper;
    std::uint32_t ink;
};

Colours ColoursOf(LcdVideo video)
{
    return video == LcdVideo::Inverse ? Colours{FramePixel(kLcdWhite), FramePixel(kLcdBlue)}
                                      : Colours{FramePixel(kLcdBlue), FramePixel(kLcdWhite)};
}

// One row of the glyph's cell, `scale` frame pixels a glyph pixel, into
// `out`: paper, with the glyph's pixels from its x on (clipped to the cell).
void GlyphRow(const LcdGlyph& glyph, int gy, int scale, Colours colours, std::uint32_t* out, int width)
{
    const int left = std::min(glyph.x * scale, width);
    std::fill(out, out + left, colours.paper);
    const int count = gy < glyph.height ? std::min(glyph.width, (width - left) / scale) : 0;
    const std::uint32_t flip = colours.paper ^ colours.ink;
    std::uint32_t* at = out + left;
    for (int gx = 0, bit = gy * glyph.width; gx < count; ++gx, ++bit, at += scale) {
        // Without a branch: ink where the bit is set, paper elsewhere.
        const std::uint32_t ink = (glyph.bits[bit >> 3] >> (7 - (bit & 7))) & 1u;
        std::fill_n(at, scale, colours.paper ^ (flip & (0u - ink)));
    }
    std::fill(at, out + width, colours.paper);
}

// The glyph's cell, `scale` frame pixels a glyph pixel: each row drawn once,
// straight into the frame when the cell lies inside it, and copied for the
// rows of an enlarged pixel.
void PutGlyph(RgbaFrame& frame, const LcdGlyph& glyph, int scale, Colours colours, const FrameRect& cell)
{
    const FrameRect visible = Intersection(cell, frame.bounds());
    if (visible.empty()) return;
    const bool whole = visible == cell;
    std::vector<std::uint32_t> clipped(whole ? 0 : cell.width());
    for (int gy = 0; gy * scale < cell.height(); ++gy) {
        const int top = cell.top + gy * scale;
        std::uint32_t* row = whole ? frame.Row(top) + cell.left : clipped.data();
        GlyphRow(glyph, gy, scale, colours, row, cell.width());
        for (int y = std::max(top, visible.top); y < std::min(top + scale, visible.bottom); ++y) {
            if (whole && y == top) continue;
            std::copy(row + (visible.left - cell.left), row + (visible.right - cell.left), frame.Row(y) + visible.left);
        }
    }
}

// Lines through the middle of the cell, in LCD pixels times `ratio`.
void PutBox(RgbaFrame& frame, const BoxArms& box, int ratio, Colours colours, const FrameRect& cell)
{
    FillFrame(frame, cell, colours.paper);
    BoxLine lines[4];
    const int n = BoxLines(box, cell.width() / ratio, cell.height() / ratio, lines);
    for (int k = 0; k < n; ++k)
        FillFrame(frame,
                  {cell.left + lines[k].left * ratio, cell.top + lines[k].top * ratio, cell.left + lines[k].right * ratio,
                   cell.top + lines[k].bottom * ratio},
                  colours.ink);
}

}  // namespace

// The cell picture of a character, drawn from the font: the font's glyphs
// at ratio 2 for even ratios, at 1 for odd ones (and where ratio 2 lacks
// the character), enlarged to the ratio.
RgbaFrame LcdRenderer::DrawCell(char32_t c, LcdFont font, LcdVideo video, int ratio) const
{
    const CellSize size = CellOf(font);
    const int cells = c >= 0x80 ? 2 : 1;
    RgbaFrame cell(size.width * cells * ratio, size.height * ratio);
    const Colours colours = ColoursOf(video);
    if (const BoxArms* box = BoxOf(c)) {
        PutBox(cell, *box, ratio, colours, cell.bounds());
        return cell;
    }
    int fontRatio = ratio % kFineRatio == 0 ? kFineRatio : 1;
    std::optional<LcdGlyph> glyph = font_.Find(c, font, fontRatio);
    if (!glyph && fontRatio > 1) glyph = font_.Find(c, font, fontRatio = 1);
    if (glyph) PutGlyph(cell, *glyph, ratio / fontRatio, colours, cell.bounds());
    else FillFrame(cell, cell.bounds(), colours.paper);
    return cell;
}

int LcdRenderer::DrawCharacter(char32_t c, LcdFont font, LcdVideo video, int ratio, RgbaFrame& frame, int x, int y)
{
    // Bits: video 0, font 1..2, ratio 3..15, the code point above.
    const std::uint64_t key = (std::uint64_t(c) << 16) | (std::uint64_t(ratio & 0x1FFF) << 3) |
                              (std::uint64_t(font) << 1) | (video == LcdVideo::Inverse ? 1u : 0u);
    auto found = cells_.find(key);
    if (found == cells_.end()) found = cells_.emplace(key, DrawCell(c, font, video, ratio)).first;
    const RgbaFrame& cell = found->second;
    const FrameRect to = Intersection({x, y, x + cell.width(), y + cell.height()}, frame.bounds());
    for (int row = to.top; row < to.bottom; ++row) {
        const std::uint32_t* from = cell.Row(row - y) + (to.left - x);
        std::copy(from, from + to.width(), frame.Row(row) + to.left);
    }
    return cell.width();
}

FrameRect LcdRenderer::Fill(const Rect& area, Rgb colour, RgbaFrame& frame, const LcdPlacement& at) const
{
    const FrameRect r = Intersection(at.InFrame(area), frame.bounds());
    FillFrame(frame, r, FramePixel(colour));
    frame.MarkDirty(r);
    return r;
}

FrameRect LcdRenderer::DrawText(const LcdText& text, RgbaFrame& frame, const LcdPlacement& at)
{
    const FrameRect start = at.InFrame(Rect{text.x, text.y, text.x, text.y});
    int x = start.left;
    for (std::size_t i = 0; i < text.text.size();)
        x += DrawCharacter(NextCodePoint(text.text, i), text.font, text.video, at.ratio, frame, x, start.top);
    const FrameRect r = Intersection(at.InFrame(TextRect(text)), frame.bounds());
    frame.MarkDirty(r);
    return r;
}

FrameRect LcdRenderer::Render(const LcdScreen& screen, RgbaFrame& frame, const LcdPlacement& at)
{
    FrameRect drawn;
    for (const LcdScreen::Op& op : screen.ops()) {
        if (op.kind == LcdScreen::Op::Kind::ClearBody) drawn = Union(drawn, Fill(kLcdBody, kLcdBlue, frame, at));
        else drawn = Union(drawn, DrawText(op.text, frame, at));
    }
    return drawn;
}

}  // namespace zan
