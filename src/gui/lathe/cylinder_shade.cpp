#include "gui/lathe/cylinder_shade.h"

#include "gui/lathe/raster.h"

namespace zan::gui {

std::span<const QRgb> ShadeCache::Column(int radius)
{
    std::vector<QRgb>& column = columns_[radius];
    if (column.empty()) {
        column.resize(2 * radius - 1);
        int shade = kInitialShade;
        for (int row = ColumnTop(radius); row <= ColumnBottom(radius); ++row) {
            shade = CylinderShade(row, radius, shade);
            column[row - ColumnTop(radius)] = Opaque(ShadeColour(shade));
        }
        column[0] = kOpaque;
    }
    return column;
}

QRgb ShadeCache::PixelColour(int row, int radius) { return Opaque(ShadePixel(row, radius)); }

}  // namespace zan::gui
