#include "gui/panel/key_faces.h"

#include <QString>

namespace zan::gui {

QRect KeyRect(const DialogRect& place)
{
    const PixelRect r = ToPixels(place);
    return QRect(r.x, r.y, r.width, r.height);
}

QImage KeyFacePicture(int face, KeySet set)
{
    const QString name = set == KeySet::Panel ? QStringLiteral(":/panel/face_%1.png") : QStringLiteral(":/panel/pad_face_%1.png");
    QImage picture(name.arg(face));
    return picture.isNull() ? picture : picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

}  // namespace zan::gui
