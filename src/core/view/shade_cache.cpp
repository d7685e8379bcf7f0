#include "core/view/shade_cache.h"

namespace zan {

std::span<const Pixel> ShadeCache::Column(int radius)
{
    std::vector<Pixel>& column = columns_[radius];
    if (column.empty()) {
        column.resize(2 * radius - 1);
        int shade = kInitialShade;
        for (int row = ColumnTop(radius); row <= ColumnBottom(radius); ++row) {
            shade = CylinderShade(row, radius, shade);
            column[row - ColumnTop(radius)] = Opaque(ShadeColour(shade));
        }
        column[0] = kBlackPixel;
    }
    return column;
}

}  // namespace zan
