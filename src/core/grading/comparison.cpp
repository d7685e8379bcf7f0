#include "core/grading/comparison.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace zan {

namespace {

// Diameters come from single-precision cuts; a deviation that equals the
// tolerance but for the last bits of a double still counts as equal.
constexpr double kToleranceSlack = 1e-9;  // mm

std::string SideText(double deviation) { return deviation < 0 ? "undersize" : "oversize"; }

void AddOutside(Comparison& c, int column, double deviation)
{
    if (!c.outside.empty()) {
        DeviationRange& last = c.outside.back();
        if (last.last == column - 1 && (last.worst < 0) == (deviation < 0)) {
            last.last = column;
            if (std::fabs(deviation) > std::fabs(last.worst)) last.worst = deviation;
            return;
        }
    }
    c.outside.push_back(DeviationRange{column, column, deviation});
}

}  // namespace

bool Comparison::Outside(int column) const
{
    if (column < firstColumn || column > lastColumn()) return false;
    return std::fabs(deviation[column - firstColumn]) > tolerance + kToleranceSlack;
}

Comparison CompareParts(const PartProfile& part, const PartProfile& reference, double tolerance)
{
    Comparison c;
    c.tolerance = tolerance;
    c.originZ = part.originZ;
    c.firstColumn = std::clamp(std::min(part.chuckFace, reference.chuckFace), 0, kProfileColumns - 1);
    const int last = std::clamp(std::max(part.blankEnd, reference.blankEnd) - 1, c.firstColumn, kProfileColumns - 1);
    for (int k = c.firstColumn; k <= last; ++k) {
        const double deviation = DiameterAt(part, k) - DiameterAt(reference, k);
        c.deviation.push_back(deviation);
        if (std::fabs(deviation) > std::fabs(c.largest)) {
            c.largest = deviation;
            c.largestColumn = k;
        }
        if (c.Outside(k)) AddOutside(c, k, deviation);
    }
    return c;
}

std::string Millimetres(double value)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.3f", std::fabs(value) < 0.0005 ? 0.0 : value);
    return text;
}

std::string RangeText(const Comparison& comparison, const DeviationRange& range)
{
    const int columns = range.last - range.first + 1;
    return "Z " + Millimetres(comparison.Z(range.first)) + " to " + Millimetres(comparison.Z(range.last)) + ": " +
           std::to_string(columns) + (columns == 1 ? " column " : " columns ") + SideText(range.worst) +
           ", up to " + Millimetres(std::fabs(range.worst)) + " mm";
}

std::vector<std::string> DescribeComparison(const Comparison& c)
{
    std::vector<std::string> lines;
    lines.push_back("compared: " + std::to_string(c.deviation.size()) + " columns, Z " + Millimetres(c.Z(c.firstColumn)) +
                    " to " + Millimetres(c.Z(c.lastColumn())));
    if (c.wholeMillimetres)
        lines.push_back("precision: the reference is a workpiece image, which keeps whole millimetres of radius;"
                        " both parts are compared so (diameters in steps of 2 mm)");
    if (c.largestColumn < 0)
        lines.push_back("largest deviation: 0.000 mm of diameter");
    else
        lines.push_back("largest deviation: " + Millimetres(std::fabs(c.largest)) + " mm of diameter, " +
                        SideText(c.largest) + ", at Z " + Millimetres(c.Z(c.largestColumn)));
    const std::string limit = "outside " + Millimetres(c.tolerance) + " mm";
    if (c.outside.empty()) lines.push_back(limit + ": none");
    else lines.push_back(limit + ":");
    for (const DeviationRange& range : c.outside) lines.push_back("  " + RangeText(c, range));
    return lines;
}

}  // namespace zan
