#pragma once
// Stock-removal cycles G71 (along Z) and G72 (along X): rough the contour
// collected in the machine's ContourTable, in passes of the depth of cut.

#include "core/nc/path_context.h"

namespace zan {

// a: the G71 block's X target (G72: its Z target); delta, rho: its I and K;
// count: the number of contour elements L.
bool RoughTurnCycle(PathContext& ctx, float a, float delta, float rho, int count, int feed);
bool RoughFaceCycle(PathContext& ctx, float a, float delta, float rho, int count, int feed);

}  // namespace zan
