// The core's PNG files (written with libpng), read back by Qt's own decoder.

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
