#include "support/png_read.h"

#include <png.h>

namespace zan::test {

std::optional<ReadPicture> ReadPngFile(const std::filesystem::path& path)
{
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str())) return std::nullopt;
    // BGRA bytes are 0xAARRGGBB words on this little-endian machine.
    image.format = PNG_FORMAT_BGRA;
    ReadPicture picture{static_cast<int>(image.width), static_cast<int>(image.height),
                        std::vector<std::uint32_t>(static_cast<std::size_t>(image.width) * image.height)};
    if (!png_image_finish_read(&image, nullptr, picture.pixels.data(), 0, nullptr)) {
        png_image_free(&image);
        return std::nullopt;
    }
    return picture;
}

}  // namespace zan::test
