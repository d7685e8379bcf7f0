// png_compare EXPECTED ACTUAL
// Compares two PNG files pixel for pixel (as 8-bit RGBA, whatever they are
// stored as), so that a golden picture does not depend on how a libpng or
// zlib version compresses. Exit status 0 when they are the same; 1 with the
// size or the number of differing pixels and the first one on standard
// error; 2 when a file cannot be read.

#include <png.h>

#include <cstdio>
#include <optional>
#include <vector>

namespace {

struct Pixels {
    unsigned width = 0;
    unsigned height = 0;
    std::vector<png_byte> rgba;
};

std::optional<Pixels> Read(const char* path)
{
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path)) return std::nullopt;
    image.format = PNG_FORMAT_RGBA;
    Pixels p{image.width, image.height, std::vector<png_byte>(PNG_IMAGE_SIZE(image))};
    if (!png_image_finish_read(&image, nullptr, p.rgba.data(), 0, nullptr)) return std::nullopt;
    return p;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: png_compare EXPECTED ACTUAL\n");
        return 2;
    }
    const std::optional<Pixels> expected = Read(argv[1]), actual = Read(argv[2]);
    if (!expected || !actual) {
        std::fprintf(stderr, "cannot read %s\n", expected ? argv[2] : argv[1]);
        return 2;
    }
    if (expected->width != actual->width || expected->height != actual->height) {
        std::fprintf(stderr, "%s is %u x %u, %s %u x %u\n", argv[1], expected->width, expected->height, argv[2],
                     actual->width, actual->height);
        return 1;
    }
    constexpr unsigned kChannels = 4;
    long differing = 0;
    long first = -1;
    for (std::size_t i = 0; i < expected->rgba.size(); i += kChannels) {
        bool same = true;
        for (unsigned c = 0; c < kChannels; ++c) same = same && expected->rgba[i + c] == actual->rgba[i + c];
        if (same) continue;
        if (first < 0) first = static_cast<long>(i / kChannels);
        ++differing;
    }
    if (differing == 0) return 0;
    std::fprintf(stderr, "%ld pixels differ, the first at (%ld, %ld)\n", differing, first % expected->width,
                 first / expected->width);
    return 1;
}
