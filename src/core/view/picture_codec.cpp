#include "core/view/picture_codec.h"

// stb's implementations live in this one file. Only PNG is read, from memory.
#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#define STBI_NO_STDIO
#define STBI_NO_LINEAR
#define STBI_NO_HDR
#define STB_IMAGE_RESIZE_IMPLEMENTATION
#define STB_IMAGE_RESIZE_STATIC
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wsign-compare"
#pragma GCC diagnostic ignored "-Wunused-parameter"
#include <stb_image.h>
#include <stb_image_resize.h>
#pragma GCC diagnostic pop

namespace zan {

namespace {

constexpr int kRgbChannels = 3;

}  // namespace

std::optional<Picture> DecodePng(std::span<const unsigned char> bytes)
{
    int width = 0, height = 0, channels = 0;
    unsigned char* rgb = stbi_load_from_memory(bytes.data(), static_cast<int>(bytes.size()), &width, &height,
                                               &channels, kRgbChannels);
    if (rgb == nullptr) return std::nullopt;
    Picture picture{width, height, std::vector<Pixel>(static_cast<std::size_t>(width) * height)};
    for (std::size_t i = 0; i < picture.pixels.size(); ++i) {
        const unsigned char* p = rgb + i * kRgbChannels;
        picture.pixels[i] = kOpaqueAlpha | (Pixel{p[0]} << 16) | (Pixel{p[1]} << 8) | p[2];
    }
    stbi_image_free(rgb);
    return picture;
}

Picture Resized(const Picture& picture, int width, int height)
{
    if (picture.width == width && picture.height == height) return picture;
    // The 0xFFRRGGBB words as four bytes each: the filter works on each byte
    // alone, so their order in memory does not matter, and the opaque alpha
    // stays opaque.
    Picture out{width, height, std::vector<Pixel>(static_cast<std::size_t>(width) * height)};
    constexpr int kChannels = 4;
    stbir_resize_uint8_generic(reinterpret_cast<const unsigned char*>(picture.pixels.data()), picture.width,
                               picture.height, 0, reinterpret_cast<unsigned char*>(out.pixels.data()), width, height,
                               0, kChannels, STBIR_ALPHA_CHANNEL_NONE, 0, STBIR_EDGE_CLAMP, STBIR_FILTER_TRIANGLE,
                               STBIR_COLORSPACE_LINEAR, nullptr);
    return out;
}

}  // namespace zan
