#include "core/files/map_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <string_view>

#include "core/files/file_replace.h"
#include "core/files/regular_file.h"

namespace zan {

namespace {

constexpr int kDiameterByte = 1000;
constexpr int kEndByte = 1001;
constexpr int kEndUnit = 10;  // the end column is stored in tens of columns
constexpr int kMaxBlankDiameter = 200;  // mm; the blank dialog takes less

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
    // Only the image's bytes are read, from a regular file of any length.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    struct stat info {};
    std::vector<unsigned char> bytes(kMapFileBytes);
    std::size_t got = 0;
    bool ok = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    while (ok && got < bytes.size()) {
        const ssize_t n = ::read(fd, bytes.data() + got, bytes.size() - got);
        if (n < 0 && errno == EINTR) continue;
        ok = n >= 0;
        if (n <= 0) break;
        got += static_cast<std::size_t>(n);
    }
    ::close(fd);
    if (!ok) return std::nullopt;
    bytes.resize(got);
    return bytes;
}

CheckedMapImage ReadCheckedMapImage(const std::filesystem::path& path)
{
    CheckedMapImage image;
    const FileRead read = ReadRegularFile(path, kMapFileBytes);
    if (!read.bytes && !read.tooLarge()) {
        image.problem = "cannot read it: " + read.problem;
        return image;
    }
    const std::string b = read.bytes.value_or(std::string());
    if (read.tooLarge()) {
        image.problem = read.problem;
    } else if (b.size() != kMapFileBytes) {
        image.problem = std::to_string(b.size()) + " bytes, where a workpiece image has " + std::to_string(kMapFileBytes);
    } else if (b[kEndByte + 1] != 0 || b[kEndByte + 2] != 0 || b[kEndByte + 3] != 0) {
        image.problem = "its last three bytes are not zero";
    } else {
        const auto* data = reinterpret_cast<const unsigned char*>(b.data());
        image.contents = ParseMapImage(std::span(data, b.size()));
        const int end = image.contents.blankEnd;
        if (image.contents.blankDiameter < 1 || image.contents.blankDiameter >= kMaxBlankDiameter)
            image.problem = "no blank diameter of 1 to 199 mm";
        else if (end <= 0 || end > kMapColumns)
            image.problem = "no blank end inside the view";
    }
    if (!image.problem.empty()) image.problem = "not a workpiece image, " + image.problem;
    return image;
}

}  // namespace zan
