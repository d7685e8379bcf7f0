#pragma once
// The workpiece is drawn as a lit metal cylinder: every pixel of a column of
// radius r gets a shade from its row, with a dark highlight band near the top
// edge, a sine-shaded middle and a dark lower edge. The arithmetic is the
// controller's own (integer divisions truncating, tangent and sine in extended
// precision), so the picture matches it pixel for pixel. The lathe view and
// the pictures of turned parts both draw with these.

#include "core/lathe/geometry.h"

namespace zan {

inline constexpr int kInitialShade = 10;

// The shade value of row `row` in a column of radius `radius` (> 0); rows on
// the zone borders keep `previous`, the value of the pixel above.
int CylinderShade(int row, int radius, int previous);

// red = green = s + 24, blue = s - 6, each modulo 256.
Rgb ShadeColour(int shade);

// First and last row a column of radius r paints: 243 - r .. r + 241.
inline int ColumnTop(int radius) { return 243 - radius; }
inline int ColumnBottom(int radius) { return radius + 241; }

// The colour of one row of a column of radius r (> 0), without caching: the
// top edge, row ColumnTop(r), is black.
Rgb ShadePixel(int row, int radius);

// Whole rows of a profile entry, toward zero, kept within +-1e9 so that int
// arithmetic on them cannot overflow; NaN counts as the axis row.
int WholeRow(double row);

// Radius drawn at a column whose profile entry is `profileRow`: the whole rows
// above the axis, at most half the blank (integer halving); zero or less
// paints nothing. Defined for any double.
int DrawnRadius(double profileRow, int blankDiameter);

}  // namespace zan
