#pragma once
// A turned part as the comparisons see it: the radius of every view column
// (one column is one millimetre of Z), the blank it was turned from, and
// where Z = 0 lies. Taken from the machine after a run at full precision, or
// from a workpiece image (".map"), which keeps whole millimetres of radius.

#include <array>

#include "core/files/map_file.h"
#include "core/lathe/lathe_state.h"

namespace zan {

struct PartProfile {
    std::array<double, kProfileColumns> radius{};  // mm above the axis (negative: cut through it)
    int blankDiameter = 0;                          // mm
    int blankEnd = 0;                               // first column that is not workpiece
    int chuckFace = 0;                              // first column of the blank
    double originZ = 0;                             // Z of column k is k + originZ (mm)
};

// The part on the machine, to the fraction of a millimetre the cuts left.
PartProfile ProfileOf(const LatheState& state);

// The part on the machine as a workpiece image file would keep it: radii
// truncated to whole millimetres, the blank's end to whole tens of columns.
PartProfile ImageProfileOf(const LatheState& state);

// A part read from a workpiece image. The file has no layout or origin:
// those of a fresh machine (normal layout) are taken.
PartProfile ProfileOfImage(const MapContents& image);

// The diameter at a column, in mm, as measured on the part: zero outside the
// blank (chuck face .. blank end) and where it is cut to the axis or through
// it, at most the blank's diameter.
double DiameterAt(const PartProfile& part, int column);

// The radius the lathe view draws at a column (whole millimetres, at most
// half the blank), zero outside the blank.
int DrawnRadiusAt(const PartProfile& part, int column);

}  // namespace zan
