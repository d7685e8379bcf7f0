// The core's PNG files and zlib streams, read back by Qt's own decoders.

#include <QByteArray>
#include <QImage>
#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "core/files/png_file.h"

namespace zan::gui::test {
namespace {

// Qt's qUncompress wants the length in front of the zlib stream, big-endian.
QByteArray Inflated(const std::string& stream, std::size_t length)
{
    QByteArray framed;
    for (int shift = 24; shift >= 0; shift -= 8) framed.append(static_cast<char>((length >> shift) & 0xFF));
    framed.append(stream.data(), static_cast<qsizetype>(stream.size()));
    return qUncompress(framed);
}

TEST(PngEncoderTest, ZlibStreamsInflateToTheirBytes)
{
    std::mt19937 random(7);
    std::vector<unsigned char> block(20000);
    for (auto& byte : block) byte = static_cast<unsigned char>(random());
    std::vector<std::vector<unsigned char>> inputs = {{'a'}, {'a', 'b'}, {'a', 'a', 'a', 'a'}};
    // Noise (literals of every value), the same noise again 20000 bytes back,
    // runs longer than one match, and matches reaching across the whole window.
    std::vector<unsigned char> mixed = block;
    mixed.insert(mixed.end(), block.begin(), block.end());
    mixed.insert(mixed.end(), 1000, 0x55);
    for (int i = 0; i < 2000; ++i) mixed.push_back(static_cast<unsigned char>(i % 7 == 0 ? random() : i % 251));
    mixed.insert(mixed.end(), block.begin(), block.begin() + 5000);
    inputs.push_back(mixed);
    for (const auto& input : inputs) {
        const QByteArray back = Inflated(ZlibCompress(input), input.size());
        ASSERT_EQ(back.size(), static_cast<qsizetype>(input.size()));
        EXPECT_EQ(0, std::memcmp(back.constData(), input.data(), input.size())) << input.size();
    }
}

TEST(PngEncoderTest, PicturesDecodePixelForPixel)
{
    std::mt19937 random(11);
    RgbPicture picture(301, 77, 0x000000);
    picture.Fill(10, 5, 250, 60, 0xC8C8AA);
    for (int i = 0; i < 3000; ++i) picture.Set(random() % 301, random() % 77, random() & 0xFFFFFF);
    const std::string png = EncodePng(picture);
    QImage image;
    ASSERT_TRUE(image.loadFromData(reinterpret_cast<const uchar*>(png.data()), static_cast<int>(png.size()), "PNG"));
    ASSERT_EQ(image.size(), QSize(301, 77));
    for (int y = 0; y < 77; ++y)
        for (int x = 0; x < 301; ++x) ASSERT_EQ(image.pixel(x, y) & 0xFFFFFFu, picture.At(x, y)) << x << "," << y;
}

}  // namespace
}  // namespace zan::gui::test
