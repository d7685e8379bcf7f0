#include "gui/lathe/lathe_pictures.h"

namespace zan::gui {

namespace {

// A picture of the given size; black if the resource is missing, so that
// drawing never depends on it being there.
QImage Picture(const char* name, QSize size)
{
    QImage image(QStringLiteral(":/lathe/") + QLatin1String(name));
    if (image.isNull()) {
        image = QImage(size, QImage::Format_RGB32);
        image.fill(Qt::black);
        return image;
    }
    image = image.convertToFormat(QImage::Format_RGB32);
    if (image.size() != size) image = image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return image;
}

}  // namespace

LathePictures LathePictures::Load(bool smallLayout)
{
    const QSize chuck = smallLayout ? QSize(120, 218) : QSize(153, 279);
    const QSize jaw = smallLayout ? QSize(79, 109) : QSize(102, 140);
    LathePictures p;
    p.chuckStopped = Picture("chuck_stopped.png", chuck);
    p.chuckTurning = Picture("chuck_turning.png", chuck);
    p.upperJaw = Picture("jaw_upper.png", jaw);
    p.lowerJaw = Picture("jaw_lower.png", jaw);
    p.turret = {Picture("turret_1.png", QSize(237, 237)), Picture("turret_2.png", QSize(237, 237)),
                Picture("turret_3.png", QSize(237, 237)), Picture("turret_4.png", QSize(237, 237))};
    p.nozzleOff = Picture("nozzle_off.png", QSize(100, 59));
    p.nozzleOn = Picture("nozzle_on.png", QSize(100, 70));
    return p;
}

}  // namespace zan::gui
