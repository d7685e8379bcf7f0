#include "core/files/map_file.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <string_view>
#include <system_error>

#include "core/files/file_replace.h"

namespace zan {

namespace {

constexpr int kDiameterByte = 1000;
constexpr int kEndByte = 1001;
constexpr int kEndUnit = 10;  // the end column is stored in tens of columns

// The whole millimetres of a radius, as the file's signed byte.
unsigned char RadiusByte(double radius)
{
    const double whole = std::trunc(radius);
    if (!std::isfinite(whole)) return 0;
    // Radii on the view lie well inside one byte; anything else keeps its low 8 bits.
    const double wrapped = std::fmod(whole, 256.0);
    return static_cast<unsigned char>(static_cast<int>(wrapped) & 0xFF);
}

int Signed(unsigned char byte) { return static_cast<signed char>(byte); }

}  // namespace

MapImage BuildMapImage(std::span<const double> radius, int blankDiameter, int blankEnd)
{
    MapImage image{};
    const int columns = static_cast<int>(std::min<std::size_t>(radius.size(), kMapColumns));
    for (int k = 0; k < columns; ++k) image[k] = RadiusByte(radius[k]);
    image[kDiameterByte] = static_cast<unsigned char>(blankDiameter & 0xFF);
    image[kEndByte] = static_cast<unsigned char>((blankEnd / kEndUnit) & 0xFF);
    return image;
}

MapContents ParseMapImage(std::span<const unsigned char> bytes)
{
    MapImage image{};
    std::copy_n(bytes.begin(), std::min<std::size_t>(bytes.size(), image.size()), image.begin());
    MapContents contents;
    for (int k = 0; k < kMapColumns; ++k) contents.radius[k] = Signed(image[k]);
    contents.blankDiameter = image[kDiameterByte];
    contents.blankEnd = Signed(image[kEndByte]) * kEndUnit;
    return contents;
}

bool WriteMapImage(const std::filesystem::path& path, const MapImage& image)
{
    return ReplaceFile(path, std::string_view(reinterpret_cast<const char*>(image.data()), image.size()));
}

std::optional<std::vector<unsigned char>> ReadMapFile(const std::filesystem::path& path)
{
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::vector<unsigned char> bytes(kMapFileBytes);
    in.read(reinterpret_cast<char*>(bytes.data()), kMapFileBytes);
    if (in.bad()) return std::nullopt;
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
}

}  // namespace zan
