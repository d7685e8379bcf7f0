#pragma once
// Peck drilling along Z (G74) and grooving along X (G75).

#include "core/nc/path_context.h"

namespace zan {

bool PeckDrillCycle(PathContext& ctx, float z, float x, float i, float k, float r, float e, int feed);
bool GroovingCycle(PathContext& ctx, float z, float x, float i, float k, float e, int feed);

}  // namespace zan
