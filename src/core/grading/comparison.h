#pragma once
// A turned part against the reference part, column by column over the blank
// (chuck face to blank end, the longer of the two blanks): the difference of
// the diameters at every column, the largest one, and the runs of columns
// outside the tolerance. Deviations are part minus reference, in mm of
// diameter: negative where the part is undersize (cut too deep), positive
// where it is oversize (material left).

#include <string>
#include <vector>

#include "core/grading/part_profile.h"

namespace zan {

inline constexpr double kDefaultTolerance = 0.1;  // mm of diameter

// Neighbouring columns outside the tolerance, all on the same side.
struct DeviationRange {
    int first = 0;       // columns, both included
    int last = 0;
    double worst = 0.0;  // the deviation of the largest size in the range (signed)
};

struct Comparison {
    int firstColumn = 0;
    std::vector<double> deviation;  // one per column from firstColumn on
    double tolerance = kDefaultTolerance;
    double largest = 0.0;           // signed; 0 when the parts are alike everywhere
    int largestColumn = -1;         // the first column where it occurs; -1 when alike
    std::vector<DeviationRange> outside;
    double originZ = 0.0;           // the part's: Z of column k is k + originZ
    bool wholeMillimetres = false;  // compared as workpiece images keep parts

    bool within() const { return outside.empty(); }
    int lastColumn() const { return firstColumn + static_cast<int>(deviation.size()) - 1; }
    double Z(int column) const { return column + originZ; }
    bool Outside(int column) const;
};

// A column deviates when its deviation is larger than the tolerance; one of
// exactly the tolerance is within it.
Comparison CompareParts(const PartProfile& part, const PartProfile& reference, double tolerance);

// Millimetres with three decimals, never "-0.000".
std::string Millimetres(double value);

// "Z -30.000 to -21.000: 10 columns undersize, up to 1.000 mm"
std::string RangeText(const Comparison& comparison, const DeviationRange& range);

// The comparison as the runner prints it, one line each, without the verdict:
// what was compared, the largest deviation, and the ranges outside the tolerance.
std::vector<std::string> DescribeComparison(const Comparison& comparison);

}  // namespace zan
