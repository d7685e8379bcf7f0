#pragma once
// The controller's fixed-point number text, used by the LCD read-outs, the
// editor's block numbers and the parameter files.

#include <string>

namespace zan {

// `value` as zero-padded digits with at least `intDigits` integer digits and
// exactly `decimals` decimals (no point when 0), truncated toward zero, never
// rounded: 8000 (4, 3, signSpace) gives " 8000.000", -0.5 gives "-0000.500".
// A negative value carries "-"; otherwise `signSpace` puts a space in its place.
// Values pass at double precision: a float such as 2.3f is really
// 2.2999999523 and shows as 2.299.
std::string FormatFixed(double value, int intDigits, int decimals, bool signSpace);

}  // namespace zan
