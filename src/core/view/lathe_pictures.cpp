#include "core/view/lathe_pictures.h"

#include <string_view>

#include "core/view/embedded_files.h"
#include "core/view/picture_codec.h"

namespace zan {

namespace {

struct Size {
    int width;
    int height;
};

constexpr Size kTurretSize{237, 237};
constexpr Size kNozzleOffSize{100, 59};
constexpr Size kNozzleOnSize{100, 70};

// A picture of the given size; black if the file is missing or unreadable,
// so that drawing never depends on it.
Picture LoadPicture(std::string_view name, Size size)
{
    for (const EmbeddedFile& file : EmbeddedLathePictures()) {
        if (file.name != name) continue;
        if (const auto decoded = DecodePng(file.bytes)) return Resized(*decoded, size.width, size.height);
    }
    return Picture{size.width, size.height,
                   std::vector<Pixel>(static_cast<std::size_t>(size.width) * size.height, kBlackPixel)};
}

}  // namespace

LathePictures LathePictures::Load(bool smallLayout)
{
    const Size chuck = smallLayout ? Size{120, 218} : Size{153, 279};
    const Size jaw = smallLayout ? Size{79, 109} : Size{102, 140};
    LathePictures p;
    p.chuckStopped = LoadPicture("chuck_stopped.png", chuck);
    p.chuckTurning = LoadPicture("chuck_turning.png", chuck);
    p.upperJaw = LoadPicture("jaw_upper.png", jaw);
    p.lowerJaw = LoadPicture("jaw_lower.png", jaw);
    p.turret = {LoadPicture("turret_1.png", kTurretSize), LoadPicture("turret_2.png", kTurretSize),
                LoadPicture("turret_3.png", kTurretSize), LoadPicture("turret_4.png", kTurretSize)};
    p.nozzleOff = LoadPicture("nozzle_off.png", kNozzleOffSize);
    p.nozzleOn = LoadPicture("nozzle_on.png", kNozzleOnSize);
    return p;
}

}  // namespace zan
