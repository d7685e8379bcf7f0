#pragma once
// The controller's 23 parameters and its tool offset table (Z and X radius
// for tools 1..9), kept in "Pset.dat" and "Dset.dat" in the program's folder.
// Each value is one 11-byte record: the text of FormatFixed(value, 5, 3, no
// sign space) cut or padded with zero bytes to 10 bytes, then a space.

#include <array>
#include <filesystem>
#include <string_view>

namespace zan {

inline constexpr int kParameterCount = 23;
inline constexpr int kOffsetCount = 18;

using Parameters = std::array<double, kParameterCount>;
using ToolOffsets = std::array<double, kOffsetCount>;  // tool n: Z at 2(n-1), X at 2(n-1)+1

inline constexpr std::string_view kParameterFileName = "Pset.dat";
inline constexpr std::string_view kOffsetFileName = "Dset.dat";

// P01..P23 of a new controller: travel limits, rapid rates, backlash, spindle
// gears, bit parameters, turret stations, times, low speeds, accelerations
// and the editor's block-number step.
inline constexpr Parameters kDefaultParameters{8000, -8000, 8000, -8000, 6000, 6000, 0,  0,  1500, 3000, 0, 0,
                                               4,    10,    10,   10,    50,   50,   600, 600, 50,  600,  10};

// The values of the folder's file, in table order. Records missing from a
// short file, or all of them when there is no file, keep their defaults.
Parameters ReadParameterFile(const std::filesystem::path& folder);
ToolOffsets ReadOffsetFile(const std::filesystem::path& folder);
// The same from a file of any name.
Parameters ReadParameters(const std::filesystem::path& file);
ToolOffsets ReadOffsets(const std::filesystem::path& file);

// Rewrite the file in one step; false when it could not be written (the
// previous file is then unchanged).
bool WriteParameterFile(const std::filesystem::path& folder, const Parameters& values);
bool WriteOffsetFile(const std::filesystem::path& folder, const ToolOffsets& values);

}  // namespace zan
