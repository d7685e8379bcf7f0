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

// The number box is shown exactly when it is this high (view pixels).
inline constexpr int kNumberBoxHeight = 12;

}  // namespace zan
