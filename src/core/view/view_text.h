#pragma once
// Text written straight onto the view's frame, like the controller's
// read-outs: a line on an opaque background, its top-left corner at a view
// pixel, in the view's bitmap font (WenQuanYi Bitmap Song at 16 pixels, its
// glyphs kept as data in view_glyph_data.cpp, made by tools/view_font).

#include <cstdint>
#include <span>
#include <string_view>

#include "core/view/raster.h"

namespace zan {

// One character: its advance and its pixels, row by row from the top of the
// line's cell; bit 31 of a row is the pixel `left` columns right of the pen.
struct ViewGlyph {
    char32_t code;
    int advance;
    int left;
    int firstRow;  // index of the glyph's first row in ViewFont::rows
};

struct ViewFont {
    int height;                          // the line's cell, pixels
    std::span<const ViewGlyph> glyphs;   // in order of codes
    std::span<const std::uint32_t> rows; // `height` rows a glyph
};

// The view's font (generated data).
const ViewFont& TheViewFont();

// The glyph of a character, or null when the font has none (it is then
// left out, taking no room).
const ViewGlyph* FindGlyph(const ViewFont& font, char32_t code);

// Width in pixels of `text` (UTF-8) in the font.
int TextWidth(const ViewFont& font, std::string_view text);

// Draws `text` (UTF-8) with its top-left at `at`, within the raster's clip:
// the paper under the whole line, then the ink. Returns the rectangle covered.
FrameRect DrawViewText(Raster& raster, Point at, std::string_view text, Pixel ink, Pixel paper);

}  // namespace zan
