#include "core/lathe/turret_frame.h"

#include <algorithm>

namespace zan {

namespace {

constexpr int kMaxFrameWidth = 1600;  // view pixels
constexpr int kMaxFrameHeight = 1200;

void FillPalette(const std::vector<std::uint8_t>& colours, std::array<Rgb, 256>& palette)
{
    const int n = std::min<int>(static_cast<int>(colours.size()) / 3, 255);
    for (int i = 0; i < n; ++i)
        palette[i] = (Rgb{colours[3 * i]} << 16) | (Rgb{colours[3 * i + 1]} << 8) | Rgb{colours[3 * i + 2]};
}

}  // namespace

TurretFrame MakeTurretFrame(const GifPicture& picture, std::string_view name, Point topLeft)
{
    TurretFrame frame;
    frame.name = std::string(name);
    frame.topLeft = topLeft;
    // Nothing beyond the view is ever seen, so a file cannot make us allocate more.
    frame.width = std::min(picture.width, kMaxFrameWidth);
    frame.height = std::min(picture.height, kMaxFrameHeight);
    frame.pixels.assign(static_cast<std::size_t>(frame.width) * frame.height, 0);
    if (picture.frames.empty()) return frame;

    const GifImage& image = picture.frames.front();
    FillPalette(image.localTable ? image.localColours : picture.globalColours, frame.palette);
    for (int r = 0; r < image.height; ++r) {
        const int y = image.top + r;
        if (y >= frame.height) break;
        for (int c = 0; c < image.width; ++c) {
            const int x = image.left + c;
            if (x >= frame.width) break;
            frame.pixels[static_cast<std::size_t>(y) * frame.width + x] =
                image.indices[static_cast<std::size_t>(r) * image.width + c];
        }
    }
    return frame;
}

}  // namespace zan
