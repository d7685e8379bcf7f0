#pragma once
// Workpiece image files (".map"): the turned profile of view columns 0..999
// as whole millimetres of radius, one signed byte each, then the blank's
// diameter and its end column in tens, then three zero bytes. 1005 bytes, no
// header; fractions of a millimetre and columns 1000.. are not kept.

#include <array>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace zan {

inline constexpr int kMapColumns = 1000;
inline constexpr int kMapFileBytes = 1005;

using MapImage = std::array<unsigned char, kMapFileBytes>;

// What an image holds, in millimetres: the radius of each column (negative
// below the axis) and the blank.
struct MapContents {
    std::array<double, kMapColumns> radius{};
    int blankDiameter = 0;
    int blankEnd = 0;  // column of the blank's free end
};

// Radii are kept as whole millimetres (truncated); values that do not fit a
// byte keep their low 8 bits, and anything not finite is stored as 0.
MapImage BuildMapImage(std::span<const double> radius, int blankDiameter, int blankEnd);

// Bytes missing from a short file count as zero. The diameter byte reads as
// unsigned, so blanks up to 199 mm come back as they were saved.
MapContents ParseMapImage(std::span<const unsigned char> bytes);

// Writes the image, replacing the file in one step; false when it could not be written.
bool WriteMapImage(const std::filesystem::path& path, const MapImage& image);

// The first 1005 bytes of the file (fewer when it is shorter); empty when it cannot be read.
std::optional<std::vector<unsigned char>> ReadMapFile(const std::filesystem::path& path);

// A file that must be a workpiece image (a reference part): a regular file of
// exactly 1005 bytes ending in three zero bytes, with a blank the blank dialog
// allows. A truncated or empty file, or a program saved under the name, read
// as an image would be a part of radius 0. `problem` says why it is refused
// ("not a workpiece image, 10 bytes, ..."); empty when it is one.
struct CheckedMapImage {
    MapContents contents;
    std::string problem;
};
CheckedMapImage ReadCheckedMapImage(const std::filesystem::path& path);

}  // namespace zan
