#pragma once
// Pictures written as PNG files by our own small encoder: 8-bit RGB, no
// interlace, one IDAT chunk holding a zlib stream of fixed-Huffman deflate
// blocks with LZ77 matches (pictures of turned parts are long runs of equal
// colours, which this keeps small). Only writing; nothing here reads PNG.

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
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

// The checksums of the formats: CRC-32 (polynomial 0xEDB88320, as PNG chunks
// use it) and Adler-32 (as zlib streams end with it).
std::uint32_t Crc32(std::span<const unsigned char> bytes, std::uint32_t crc = 0);
std::uint32_t Adler32(std::span<const unsigned char> bytes);

// A complete zlib stream (RFC 1950) of `bytes`: deflate with fixed Huffman codes.
std::string ZlibCompress(std::span<const unsigned char> bytes);

// The bytes of a PNG file of the picture.
std::string EncodePng(const RgbPicture& picture);

// Writes the PNG file, replacing the old one in one step; false when it could not be written.
bool WritePngFile(const std::filesystem::path& path, const RgbPicture& picture);

}  // namespace zan
