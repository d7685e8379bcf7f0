#pragma once
// Circular interpolation, G02 (clockwise) and G03 (counter-clockwise): unit
// steps in Z with X on the circle, from the commanded position to (z, x).

#include "core/nc/path_context.h"

namespace zan {

bool ArcByRadius(PathContext& ctx, float z, float x, float r, int feed, bool clockwise);
// k along Z and i along X (a radius) from the start to the centre.
bool ArcByCentre(PathContext& ctx, float z, float x, float k, float i, int feed, bool clockwise);

}  // namespace zan
