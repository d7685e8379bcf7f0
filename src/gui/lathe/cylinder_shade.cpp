#include "gui/lathe/cylinder_shade.h"

#include <cmath>

namespace zan::gui {

namespace {

constexpr int kAxis = 242;

int TanShade(int argument) { return static_cast<int>(std::tan(argument * 0.01L) * 23 - 120); }
int SinShade(int argument) { return static_cast<int>(std::sin(argument * 0.0448L) * 35 - 110); }

}  // namespace

int CylinderShade(int row, int radius, int previous)
{
    const int r = radius;
    const int m = (row + r - kAxis) * 118;
    const int a = r * 50 / 118 - r + kAxis;   // end of the upper highlight zone
    const int b = r * 181 / 118 - r + kAxis;  // start of the lower edge zone
    if (row < a) return TanShade(m / r + 174);
    if (a < row && row < b) return SinShade(m / r + 342);
    if (row > b) return TanShade((kAxis - row - r) * 118 / r + 410);
    return previous;
}

QRgb ShadeColour(int shade)
{
    const unsigned grey = static_cast<unsigned>(shade + 24) & 0xFFu;
    const unsigned blue = static_cast<unsigned>(shade - 6) & 0xFFu;
    return qRgb(grey, grey, blue);
}

std::span<const QRgb> ShadeCache::Column(int radius)
{
    std::vector<QRgb>& column = columns_[radius];
    if (column.empty()) {
        column.resize(2 * radius - 1);
        int shade = kInitialShade;
        for (int row = ColumnTop(radius); row <= ColumnBottom(radius); ++row) {
            shade = CylinderShade(row, radius, shade);
            column[row - ColumnTop(radius)] = ShadeColour(shade);
        }
        column[0] = qRgb(0, 0, 0);
    }
    return column;
}

QRgb ShadeCache::PixelColour(int row, int radius)
{
    if (row == ColumnTop(radius)) return qRgb(0, 0, 0);
    // The zone borders are never next to each other, so one row back always
    // reaches a pixel whose shade does not depend on the one above it.
    const int above = row > ColumnTop(radius) ? CylinderShade(row - 1, radius, kInitialShade) : kInitialShade;
    return ShadeColour(CylinderShade(row, radius, above));
}

}  // namespace zan::gui
