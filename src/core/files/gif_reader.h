#pragma once
// Reader for the turret pictures: GIF89a files, every image with its local
// colour table and its LZW-decoded palette indices. Refusals carry the
// controller's own message; nothing is ever read past the input.

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace zan {

namespace gifmsg {
inline constexpr std::string_view kFileMissing = "文件丢失,请重新安装程序!";
inline constexpr std::string_view kUnsupported = "不支持的文件格式";
inline constexpr std::string_view kReadError = "读取文件出错：文件可能已损坏";
inline constexpr std::string_view kNoMemory = "申请内存出错！";
inline constexpr std::string_view kBadFrames = "无法打开所有帧，该文件可能已经损坏";
}  // namespace gifmsg

struct GifImage {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool localTable = false;
    bool interlace = false;
    bool sorted = false;
    int localTableSize = 0;                 // entries, 2^((flags & 7) + 1)
    std::vector<std::uint8_t> localColours; // localTableSize * 3 bytes RGB, empty without a table
    std::vector<std::uint8_t> indices;      // width * height, stream order (never de-interlaced)
    // Graphic control extension that preceded the image.
    int disposal = 0;
    bool userInput = false;
    bool transparency = false;
    int delay = 0;
    int transparentIndex = 0;
};

struct GifPicture {
    std::array<char, 6> signature{};
    int width = 0;   // logical screen
    int height = 0;
    std::uint8_t flags = 0;
    std::uint8_t background = 0;
    std::uint8_t aspect = 0;
    int bitsPerPixel = 0;  // 8 with a global colour table, else 0
    bool globalTable = false;
    int globalTableSize = 0;
    std::vector<std::uint8_t> globalColours;  // globalTableSize * 3 bytes RGB
    std::vector<GifImage> frames;
};

struct GifResult {
    std::optional<GifPicture> picture;  // empty when refused
    std::string_view message;           // the refusal's message, empty on success
    bool ok() const { return picture.has_value(); }
};

GifResult ReadGif(std::span<const std::uint8_t> bytes);
GifResult LoadGif(const std::filesystem::path& file);

}  // namespace zan
