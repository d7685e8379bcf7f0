#include "core/lathe/measurement.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace zan {

namespace {

constexpr int kSearchLeftLimit = 153;

// printf into a string; the formats are the controller's own texts.
template <typename... Args>
std::string Format(const char* format, Args... args)
{
    char text[128];
    const int n = std::snprintf(text, sizeof text, format, args...);
    return std::string(text, static_cast<std::size_t>(std::clamp(n, 0, static_cast<int>(sizeof text) - 1)));
}

bool InProfile(int x) { return x >= 0 && x < kProfileColumns; }

}  // namespace

int AutoLength(const LatheState& s, int x)
{
    const double v = s.profile[x];
    int left = x;
    if (x > kSearchLeftLimit)
        for (left = x - 1; left > kSearchLeftLimit && s.profile[left] == v; --left) {
        }
    const int end = std::min(s.blankEnd, kProfileColumns);
    int right = x + 1;
    while (right < end && s.profile[right] == v) ++right;
    return right - left - 1;
}

std::string LengthText(int length, bool automatic)
{
    return automatic ? Format("长度测量结果:%dmm             ", length) : Format("长度测量结果:%dmm        ", length);
}

std::string DiameterText(const LatheState& s, int x)
{
    const double diameter = (s.profile[x] - kAxisRow) * 2;
    if (!(diameter > 0)) return {};  // nothing left of the part at this column
    if (diameter < s.blankDiameter) return Format("直径测量结果:%.3fmm               ", diameter);
    return Format("直径测量结果:%d.000mm               ", s.blankDiameter);
}

std::string MouseText(int x, int y) { return Format("鼠标坐标:(%d,%d)   ", x, y); }

MeasureStep MeasureClick(LatheState& s, Point click, Point& firstPoint)
{
    switch (static_cast<MeasureMode>(s.measureMode)) {
    case MeasureMode::FirstPoint:
        firstPoint = click;
        s.measureMode = static_cast<int>(MeasureMode::SecondPoint);
        return {measure::kAskSecondPoint, {}};
    case MeasureMode::SecondPoint:
        s.measureMode = static_cast<int>(MeasureMode::None);
        return {{}, LengthText(std::abs(click.x - firstPoint.x) - 1, false)};
    case MeasureMode::AutoLength:
        // Clicks beside the profile's columns have nothing to measure.
        if (!InProfile(click.x)) return {};
        return {{}, LengthText(AutoLength(s, click.x), true)};
    case MeasureMode::Diameter: {
        if (click.x > s.blankEnd || !InProfile(click.x)) return {measure::kOutsideWorkpiece, {}};
        std::string text = DiameterText(s, click.x);
        if (text.empty()) return {measure::kOutsideWorkpiece, {}};
        return {{}, std::move(text)};
    }
    default: return {};
    }
}

std::string_view MeasurePrompt(MeasureMode mode)
{
    switch (mode) {
    case MeasureMode::FirstPoint: return measure::kAskFirstPoint;
    case MeasureMode::SecondPoint: return measure::kAskSecondPoint;
    case MeasureMode::AutoLength:
    case MeasureMode::Diameter: return measure::kAskSegment;
    default: return {};
    }
}

}  // namespace zan
