#include "core/files/png_file.h"

#include <png.h>

#include <algorithm>

#include "core/files/file_replace.h"

namespace zan {

RgbPicture::RgbPicture(int width, int height, std::uint32_t fill)
    : width_(std::max(width, 1)), height_(std::max(height, 1)),
      pixels_(static_cast<std::size_t>(width_) * height_, fill)
{
}

void RgbPicture::Set(int x, int y, std::uint32_t rgb)
{
    if (x >= 0 && y >= 0 && x < width_ && y < height_) pixels_[Index(x, y)] = rgb;
}

void RgbPicture::Fill(int left, int top, int right, int bottom, std::uint32_t rgb)
{
    left = std::max(left, 0);
    top = std::max(top, 0);
    right = std::min(right, width_ - 1);
    bottom = std::min(bottom, height_ - 1);
    for (int y = top; y <= bottom; ++y)
        std::fill(pixels_.begin() + Index(left, y), pixels_.begin() + Index(std::max(left, right + 1), y), rgb);
}

std::string EncodePng(const RgbPicture& picture)
{
    std::vector<unsigned char> rgb;
    rgb.reserve(static_cast<std::size_t>(picture.height()) * picture.width() * 3);
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const std::uint32_t pixel = picture.At(x, y);
            rgb.push_back(static_cast<unsigned char>(pixel >> 16));
            rgb.push_back(static_cast<unsigned char>(pixel >> 8));
            rgb.push_back(static_cast<unsigned char>(pixel));
        }
    }
    // libpng's simplified interface reports errors by its return value; the
    // first call only measures the file.
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(picture.width());
    image.height = static_cast<png_uint_32>(picture.height());
    image.format = PNG_FORMAT_RGB;
    png_alloc_size_t size = 0;
    if (!png_image_write_to_memory(&image, nullptr, &size, 0, rgb.data(), 0, nullptr)) return {};
    std::string png(size, '\0');
    if (!png_image_write_to_memory(&image, png.data(), &size, 0, rgb.data(), 0, nullptr)) return {};
    png.resize(size);
    return png;
}

bool WritePngFile(const std::filesystem::path& path, const RgbPicture& picture)
{
    const std::string png = EncodePng(picture);
    return !png.empty() && ReplaceFile(path, png);
}

}  // namespace zan
