#pragma once
// Pictures written as PNG files (8-bit RGB) with libpng. Only writing;
// nothing here reads PNG.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace zan {

// Pixels as 0xRRGGBB, row by row from the top left.
struct RgbPicture {
    RgbPicture(int width, int height, std::uint32_t fill);

    int width() const { return width_; }
    int height() const { return height_; }
    std::uint32_t At(int x, int y) const { return pixels_[Index(x, y)]; }
    // Points outside the picture are left alone.
    void Set(int x, int y, std::uint32_t rgb);
    // Columns left..right and rows top..bottom, both ends included, clipped.
    void Fill(int left, int top, int right, int bottom, std::uint32_t rgb);

private:
    std::size_t Index(int x, int y) const { return static_cast<std::size_t>(y) * width_ + x; }
    int width_;
    int height_;
    std::vector<std::uint32_t> pixels_;
};

// The bytes of a PNG file of the picture; empty when libpng could not make one.
std::string EncodePng(const RgbPicture& picture);

// Writes the PNG file, replacing the old one in one step; false when it could not be written.
bool WritePngFile(const std::filesystem::path& path, const RgbPicture& picture);

}  // namespace zan
