#include "core/lathe/workpiece_image.h"

#include <string_view>

namespace zan {

namespace {

constexpr std::string_view kProgramRunning = "程序在运行中!";
constexpr std::string_view kSaveFailed = "工件镜像文件保存失败!";

}  // namespace

MapImage BuildMapImage(const LatheState& state)
{
    std::array<double, kMapColumns> radius;
    for (int k = 0; k < kMapColumns; ++k) radius[k] = state.profile[k] - kAxisRow;
    return BuildMapImage(radius, state.blankDiameter, state.blankEnd);
}

void ApplyMapImage(std::span<const unsigned char> bytes, LatheState& state)
{
    const MapContents contents = ParseMapImage(bytes);
    for (int k = 0; k < kMapColumns; ++k) state.profile[k] = contents.radius[k] + kAxisRow;
    state.blankDiameter = contents.blankDiameter;
    state.blankEnd = contents.blankEnd;
}

bool WriteMapFile(const std::filesystem::path& path, const LatheState& state)
{
    return WriteMapImage(path, BuildMapImage(state));
}

std::optional<std::filesystem::path> OpenWorkpieceImage(Lathe& lathe, const ChooseFile& chooseFile)
{
    if (lathe.state.runFlag) {
        lathe.ports.alerts.Message(kProgramRunning);
        return std::nullopt;
    }
    lathe.RetractTool();
    const std::optional<std::filesystem::path> path = chooseFile();
    if (!path) return std::nullopt;
    const std::optional<std::vector<unsigned char>> bytes = ReadMapFile(*path);
    if (!bytes) return std::nullopt;  // cannot be read: nothing to report
    ApplyMapImage(*bytes, lathe.state);
    lathe.RefreshArea(Region::LoadedWorkpiece);
    return path;
}

std::optional<std::filesystem::path> SaveWorkpieceImage(Lathe& lathe, const ChooseFile& chooseFile)
{
    const std::optional<std::filesystem::path> path = chooseFile();
    if (!path || path->empty()) return std::nullopt;
    if (!WriteMapFile(*path, lathe.state)) {
        lathe.ports.alerts.Message(kSaveFailed);
        return std::nullopt;
    }
    return path;
}

}  // namespace zan
