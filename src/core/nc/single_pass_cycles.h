#pragma once
// One-block cycles: approach, cut, retract and return to the start point.

#include "core/nc/path_context.h"

namespace zan {

bool TurningCycle(PathContext& ctx, float z, float x, float r, int feed);  // G90
bool FacingCycle(PathContext& ctx, float z, float x, float r, int feed);   // G94
bool ThreadingCycle(PathContext& ctx, float z, float x, float p, float r); // G92
bool ThreadMove(PathContext& ctx, float z, float x, int p);                // G33

}  // namespace zan
