#include "core/station/move_trace.h"

#include <cstdio>

namespace zan {

std::string MoveTraceLine(const LatheState& state, float col, float row)
{
    // Even two of the largest floats (39 digits, sign, point, three decimals) fit.
    char line[128];
    std::snprintf(line, sizeof line, "%.3f %.3f", double(col) + state.originZ,
                  2.0 * (double(row) + state.originX));
    return line;
}

}  // namespace zan
