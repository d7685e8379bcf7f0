#pragma once
// The workpiece is drawn as a lit metal cylinder: every pixel of a column of
// radius r gets a shade from its row, with a dark highlight band near the top
// edge, a sine-shaded middle and a dark lower edge. The arithmetic is the
// controller's own (integer divisions truncating, tangent and sine in extended
// precision), so the picture matches it pixel for pixel.

#include <QRgb>
#include <span>
#include <vector>

namespace zan::gui {

inline constexpr int kInitialShade = 10;

// The shade value of row `row` in a column of radius `radius` (> 0); rows on
// the zone borders keep `previous`, the value of the pixel above.
int CylinderShade(int row, int radius, int previous);

// red = green = s + 24, blue = s - 6, each modulo 256.
QRgb ShadeColour(int shade);

// First and last row a column of radius r paints: 243 - r .. r + 241.
inline int ColumnTop(int radius) { return 243 - radius; }
inline int ColumnBottom(int radius) { return radius + 241; }

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
