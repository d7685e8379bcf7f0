#include "core/grading/part_profile.h"

#include <algorithm>
#include <cmath>

#include "core/lathe/cylinder_shade.h"
#include "core/lathe/workpiece_image.h"

namespace zan {

namespace {

bool OnBlank(const PartProfile& part, int column)
{
    return column >= part.chuckFace && column < part.blankEnd && column >= 0 && column < kProfileColumns;
}

}  // namespace

PartProfile ProfileOf(const LatheState& state)
{
    PartProfile part;
    for (int k = 0; k < kProfileColumns; ++k) part.radius[k] = state.profile[k] - kAxisRow;
    part.blankDiameter = state.blankDiameter;
    part.blankEnd = state.blankEnd;
    part.chuckFace = state.layout.chuckFace();
    part.originZ = state.originZ;
    return part;
}

PartProfile ProfileOfImage(const MapContents& image)
{
    const LatheState fresh(false);
    PartProfile part;
    std::copy(image.radius.begin(), image.radius.end(), part.radius.begin());  // columns 1000.. stay 0
    part.blankDiameter = image.blankDiameter;
    part.blankEnd = image.blankEnd;
    part.chuckFace = fresh.layout.chuckFace();
    part.originZ = fresh.originZ;
    return part;
}

PartProfile ImageProfileOf(const LatheState& state)
{
    const MapImage bytes = BuildMapImage(state);
    PartProfile part = ProfileOfImage(ParseMapImage(bytes));
    part.chuckFace = state.layout.chuckFace();
    part.originZ = state.originZ;
    return part;
}

double DiameterAt(const PartProfile& part, int column)
{
    if (!OnBlank(part, column)) return 0.0;
    const double diameter = 2.0 * part.radius[column];
    if (!(diameter < part.blankDiameter)) return std::max(part.blankDiameter, 0);
    return diameter > 0.0 ? diameter : 0.0;
}

int DrawnRadiusAt(const PartProfile& part, int column)
{
    if (!OnBlank(part, column)) return 0;
    return std::max(DrawnRadius(part.radius[column] + kAxisRow, part.blankDiameter), 0);
}

}  // namespace zan
