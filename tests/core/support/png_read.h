#pragma once
// PNG files read back with libpng, for comparing with golden pictures.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

namespace zan::test {

struct ReadPicture {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;  // 0xFFRRGGBB, row by row from the top left
};

// Nullopt when the file is missing or not a PNG.
std::optional<ReadPicture> ReadPngFile(const std::filesystem::path& path);

}  // namespace zan::test
