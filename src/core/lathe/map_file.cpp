#include "lathe/map_file.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <string_view>
#include <system_error>

#include "programs/file_replace.h"

namespace zan {

namespace {

constexpr std::string_view kProgramRunning = "程序在运行中!";
constexpr int kDiameterByte = 1000;
constexpr int kEndByte = 1001;
constexpr int kEndUnit = 10;           // the end column is stored in tens of columns
constexpr int kWorkpieceRegion = 13;

// The whole millimetres of a radius, as the file's signed byte.
unsigned char RadiusByte(double row)
{
    const double radius = std::trunc(row - kAxisRow);
    if (!std::isfinite(radius)) return 0;
    // Radii on the view lie well inside one byte; anything else keeps its low 8 bits.
    const double wrapped = std::fmod(radius, 256.0);
    return static_cast<unsigned char>(static_cast<int>(wrapped) & 0xFF);
}

int Signed(unsigned char byte) { return static_cast<signed char>(byte); }

}  // namespace

MapImage BuildMapImage(const LatheState& state)
{
    MapImage image{};
    for (int k = 0; k < kMapColumns; ++k) image[k] = RadiusByte(state.profile[k]);
    image[kDiameterByte] = static_cast<unsigned char>(state.blankDiameter & 0xFF);
    image[kEndByte] = static_cast<unsigned char>((state.blankEnd / kEndUnit) & 0xFF);
    return image;
}

void ApplyMapImage(std::span<const unsigned char> bytes, LatheState& state)
{
    MapImage image{};
    std::copy_n(bytes.begin(), std::min<std::size_t>(bytes.size(), image.size()), image.begin());
    for (int k = 0; k < kMapColumns; ++k) state.profile[k] = Signed(image[k]) + kAxisRow;
    state.blankDiameter = image[kDiameterByte];
    state.blankEnd = Signed(image[kEndByte]) * kEndUnit;
}

bool WriteMapFile(const std::filesystem::path& path, const LatheState& state)
{
    const MapImage image = BuildMapImage(state);
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

void OpenWorkpieceImage(Lathe& lathe, const ChooseFile& chooseFile)
{
    if (lathe.state.runFlag) {
        lathe.ports.alerts.Message(kProgramRunning);
        return;
    }
    lathe.RetractTool();
    const std::optional<std::filesystem::path> path = chooseFile();
    if (!path) return;
    const std::optional<std::vector<unsigned char>> bytes = ReadMapFile(*path);
    if (!bytes) return;  // cannot be read: nothing to report
    ApplyMapImage(*bytes, lathe.state);
    lathe.RefreshArea(kWorkpieceRegion);
}

}  // namespace zan
