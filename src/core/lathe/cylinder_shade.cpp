#include "core/lathe/cylinder_shade.h"

#include <algorithm>
#include <cmath>

#include "core/lathe/lathe_state.h"

namespace zan {

namespace {

int TanShade(int argument) { return static_cast<int>(std::tan(argument * 0.01L) * 23 - 120); }
int SinShade(int argument) { return static_cast<int>(std::sin(argument * 0.0448L) * 35 - 110); }

}  // namespace

int CylinderShade(int row, int radius, int previous)
{
    const int r = radius;
    const int m = (row + r - kAxisRow) * 118;
    const int a = r * 50 / 118 - r + kAxisRow;   // end of the upper highlight zone
    const int b = r * 181 / 118 - r + kAxisRow;  // start of the lower edge zone
    if (row < a) return TanShade(m / r + 174);
    if (a < row && row < b) return SinShade(m / r + 342);
    if (row > b) return TanShade((kAxisRow - row - r) * 118 / r + 410);
    return previous;
}

Rgb ShadeColour(int shade)
{
    const unsigned grey = static_cast<unsigned>(shade + 24) & 0xFFu;
    const unsigned blue = static_cast<unsigned>(shade - 6) & 0xFFu;
    return (grey << 16) | (grey << 8) | blue;
}

Rgb ShadePixel(int row, int radius)
{
    if (row == ColumnTop(radius)) return kBlack;
    // The zone borders are never next to each other, so one row back always
    // reaches a pixel whose shade does not depend on the one above it.
    const int above = row > ColumnTop(radius) ? CylinderShade(row - 1, radius, kInitialShade) : kInitialShade;
    return ShadeColour(CylinderShade(row, radius, above));
}

int WholeRow(double row)
{
    if (std::isnan(row)) return kAxisRow;
    return static_cast<int>(std::clamp(row, -1.0e9, 1.0e9));
}

int DrawnRadius(double profileRow, int blankDiameter)
{
    const int half = blankDiameter / 2;
    return half + kAxisRow > profileRow ? WholeRow(profileRow) - kAxisRow : half;
}

}  // namespace zan
