#pragma once
// A small bitmap font for the scales of pictures: digits, minus, point, Z, m
// and space, 5 x 7 pixels each in a cell 6 pixels wide.

#include <cstdint>
#include <string_view>

#include "core/files/png_file.h"

namespace zan {

inline constexpr int kGlyphWidth = 5;
inline constexpr int kGlyphHeight = 7;
inline constexpr int kGlyphAdvance = 6;

// Width in pixels of `text` drawn at `scale` (each font pixel a square of scale pixels).
int TextWidth(std::string_view text, int scale);

// Draws `text` with its top left at (x, y); characters the font lacks draw as blanks.
void DrawText(RgbPicture& picture, int x, int y, std::string_view text, std::uint32_t rgb, int scale);

}  // namespace zan
