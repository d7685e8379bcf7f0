#pragma once
// Measuring the turned part with the mouse. Results are read straight from
// the workpiece profile (one view pixel is one millimetre); the view writes
// them as text and sets its cursor by the measurement mode.

#include <string>
#include <string_view>

#include "core/lathe/lathe_state.h"

namespace zan {

// Values of the machine's measureMode.
enum class MeasureMode : int {
    None = 0,
    FirstPoint = 1,   // manual length: waiting for the first click
    SecondPoint = 2,  // manual length: waiting for the second click
    AutoLength = 3,
    Diameter = 4,
};

namespace measure {
inline constexpr std::string_view kAskFirstPoint = "请将鼠标移到第一个测量点后并按鼠标左键。";
inline constexpr std::string_view kAskSecondPoint = "请把鼠标移到第二个测量点后,并按鼠标左键。";
inline constexpr std::string_view kAskSegment = "请将鼠标移到工件的测量段处,并按左键。";
inline constexpr std::string_view kOutsideWorkpiece = "超出工件范围！";
inline constexpr std::string_view kTraceModeText = "轨迹显示模式";
inline constexpr std::string_view kNormalModeText = "正常模式         ";
}  // namespace measure

// What one left click does: a message to show first, then a result to write
// on the view. Either may be empty.
struct MeasureStep {
    std::string_view message;
    std::string result;
};

// A left click at view point `click`; `firstPoint` keeps the manual
// measurement's first click between the two clicks.
MeasureStep MeasureClick(LatheState& s, Point click, Point& firstPoint);

// The prompt shown when a measurement starts, in the mode it starts.
std::string_view MeasurePrompt(MeasureMode mode);

// Columns of equal profile around column x: between the nearest different
// columns, searching no further left than column 153 and no further right
// than the blank's end.
int AutoLength(const LatheState& s, int x);

std::string LengthText(int length, bool automatic);
// The diameter at column x; empty where the part is cut off to the axis.
std::string DiameterText(const LatheState& s, int x);
std::string MouseText(int x, int y);
inline std::string_view ModeText(bool traceMode)
{
    return traceMode ? measure::kTraceModeText : measure::kNormalModeText;
}

}  // namespace zan
