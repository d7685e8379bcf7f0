#pragma once
// The workpiece's shaded columns as the view paints them (the shades
// themselves are core/lathe/cylinder_shade.h's), kept per radius.

#include <span>
#include <vector>

#include "core/lathe/cylinder_shade.h"
#include "core/view/raster.h"

namespace zan {

// Colours of whole columns, computed once per radius. The first pixel of every
// column, its top edge, is black.
class ShadeCache {
public:
    // Radii up to this are kept; larger columns reach beyond the view both ways.
    static constexpr int kMaxCachedRadius = 800;

    // Colours of rows ColumnTop(r) .. ColumnBottom(r); r in 1 .. kMaxCachedRadius.
    std::span<const Pixel> Column(int radius);
    // The colour of one row of any column (radius > 0), without caching.
    static Pixel PixelColour(int row, int radius) { return Opaque(ShadePixel(row, radius)); }

private:
    std::vector<std::vector<Pixel>> columns_ = std::vector<std::vector<Pixel>>(kMaxCachedRadius + 1);
};

}  // namespace zan
