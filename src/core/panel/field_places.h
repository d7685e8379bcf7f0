#pragma once
// Where the panel puts its fields over the LCD, in panel client pixels, and
// the prompts shown beside them.

#include "core/lathe/geometry.h"

namespace zan {

// A place given as position and size.
constexpr Rect FieldAt(int x, int y, int width, int height) { return Rect{x, y, x + width, y + height}; }

// The editor field: the open program in Edit, and a box for short entries.
inline constexpr Rect kEditorPlace = FieldAt(23, 59, 243, 156);
inline constexpr Rect kNumberBoxPlace = FieldAt(132, 170, 12, 12);       // program number
inline constexpr Rect kNumberPromptPlace = FieldAt(46, 170, 107, 12);   // "请输入程序号:%"
inline constexpr Rect kCoordinateBoxPlace = FieldAt(85, 135, 60, 12);   // Manual INPUT: X or Z value
inline constexpr Rect kToolNumberBoxPlace = FieldAt(82, 136, 18, 15);   // Manual I, K: "T1X"
inline constexpr Rect kOffsetBoxPlace = FieldAt(104, 179, 60, 15);      // offset value
// The entry field: Manual commands and parameter values.
inline constexpr Rect kCommandEntryPlace = FieldAt(94, 136, 60, 15);
inline constexpr Rect kParameterEntryPlace = FieldAt(98, 179, 60, 15);

// Manual commands: the prompt label beside the entry (in panel client
// pixels), and the input line that INPUT clears: (50,136)-(149,148).
inline constexpr Rect kCommandPromptPlace = FieldAt(58, 136, 36, 12);    // "刀偏 X", "移动 Z"
inline constexpr Rect kLetterPromptPlace = FieldAt(88, 136, 6, 12);      // "T", "M"
inline constexpr Rect kSetPromptPlace = FieldAt(58, 136, 24, 12);        // "设置"
inline constexpr Rect kReferencePromptPlace = FieldAt(58, 136, 90, 12);  // "设置程序参考点?"
inline constexpr Rect kRunPromptPlace = FieldAt(55, 136, 30, 12);        // "运行?"
// A line of the LCD cleared by writing spaces: (x, y) and cells of the
// normal font (6 pixels each).
struct LcdLine {
    int x;
    int y;
    int cells;
};
inline constexpr LcdLine kManualInputLine{50, 136, 17};   // (50,136)-(149,148)
inline constexpr LcdLine kMeasuredValueLine{55, 136, 9};  // under the measurement's prompt

// The number box is shown exactly when it is this high (view pixels).
inline constexpr int kNumberBoxHeight = 12;

}  // namespace zan
