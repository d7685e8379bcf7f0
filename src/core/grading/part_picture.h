#pragma once
// The picture of a turned part: its upper half drawn as the lathe view draws
// the workpiece (the same cylinder shades, black above and at its top edge),
// two pixels to the millimetre; over it the reference's outline in green and,
// where the part is outside the tolerance, the columns marked in red: between
// the two surfaces and in a strip under the axis. Below, a Z scale in mm with
// a tick every 10 mm and a number every 50 mm.

#include "core/files/png_file.h"
#include "core/grading/comparison.h"

namespace zan {

inline constexpr int kPicturePixelsPerMm = 2;
inline constexpr std::uint32_t kOutlineGreen = 0x00FF00;
inline constexpr std::uint32_t kDeviationRed = 0xFF0000;

// `reference` and `comparison` may be null: the part alone, with its scale.
RgbPicture DrawPartPicture(const PartProfile& part, const PartProfile* reference, const Comparison* comparison);

}  // namespace zan
