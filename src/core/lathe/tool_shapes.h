#pragma once
// The cutting edges and drawn outlines of the turret's tools. The tool's
// reference point (x, y) is the integer column and row of the commanded
// position; edges lie above it (toward the axis), the holder hangs below.

#include "core/lathe/geometry.h"
#include "core/lathe/lathe_state.h"

namespace zan {

inline constexpr int kCustomStation = 5;

// Columns right of x the edge covers: x .. x + width inclusive.
inline int CuttingWidth(int station) { return (station == 2 || station == kCustomStation) ? 30 : 15; }

// Edge row of stations 1..4 at d = k - x columns right of the reference point,
// for reference row y (integer for the test, unrounded for the stored value).
inline double EdgeRow1(int, double y) { return y - 70; }
inline double EdgeRow2(int d, double y) { return d < 20 ? (y - 60) - d : y - 100 + d; }
inline double EdgeRow3(int d, double y) { return y - 70 + 13 - (15 - d) * 0.86667; }
inline double EdgeRow4(int d, double y) { return d <= 7 ? (y - 60) - d * 2.88 : (y - 60) - (15 - d) * 2.88; }

// The custom tool's edge: the straight line through its first two placed
// vertices, in integer arithmetic. False when it has no usable edge (fewer than
// two vertices, or both in one column, where the slope would divide by zero).
struct CustomEdge {
    int x1 = 0;
    int y1 = 0;
    int slope = 0;  // rows per column, truncated toward zero
    int RowAt(int k) const { return y1 + slope * (k - x1); }
};
bool MakeCustomEdge(const CustomTool& tool, Point ref, CustomEdge& edge);
// Whether the custom tool has a shape that can cut: an edge as above.
bool CustomToolHasShape(const CustomTool& tool);

// Outline of the station's tool placed at the reference point.
Polygon ToolOutline(int station, const CustomTool& custom, Point ref);
// The custom tool's holder rectangle, from (x, y - height) to (x + width, y).
Rect CustomHolder(const CustomTool& custom, Point ref);
Polygon Mirrored(const Polygon& outline);
Rect Mirrored(const Rect& rect);

// Stores a shape drawn in the custom tool dialog: n points at dialog positions
// become offsets in millimetres ((p - (235, 300)) / 3), closed by (0, 0).
void StoreCustomShape(CustomTool& tool, const Point* dialogPoints, int n, int width, int height);

}  // namespace zan
