#pragma once
// One tool move as the runners without a window print it: "Z X" in machine
// coordinates, millimetres with three decimals, X as a diameter, as the
// program's read-out would give them (e.g. "-10.000 37.200").

#include <string>

#include "core/lathe/lathe_state.h"

namespace zan {

// The move to view column `col` and row `row` (radius), with the state's origin.
std::string MoveTraceLine(const LatheState& state, float col, float row);

}  // namespace zan
