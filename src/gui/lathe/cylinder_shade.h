#pragma once
// The workpiece's shaded columns as the view paints them (the shades
// themselves are the core's, core/lathe/cylinder_shade.h), kept per radius.

#include <QRgb>
#include <span>
#include <vector>

#include "core/lathe/cylinder_shade.h"

namespace zan::gui {

// Colours of whole columns, computed once per radius. The first pixel of every
// column, its top edge, is black.
class ShadeCache {
public:
    // Radii up to this are kept; larger columns reach beyond the view both ways.
    static constexpr int kMaxCachedRadius = 800;

    // Colours of rows ColumnTop(r) .. ColumnBottom(r); r in 1 .. kMaxCachedRadius.
    std::span<const QRgb> Column(int radius);
    // The colour of one row of any column (radius > 0), without caching.
    static QRgb PixelColour(int row, int radius);

private:
    std::vector<std::vector<QRgb>> columns_ = std::vector<std::vector<QRgb>>(kMaxCachedRadius + 1);
};

}  // namespace zan::gui
