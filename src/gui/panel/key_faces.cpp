#include "gui/panel/key_faces.h"

#include <QPainter>
#include <QString>

namespace zan::gui {

namespace {

// A face is the key less 6 pixels across and 4 down; its first 4 columns lie
// under the key's frame and are never seen.
constexpr QSize kFaceMargin{6, 4};
constexpr int kHiddenColumns = 4;

}  // namespace

QRect KeyRect(const DialogRect& place)
{
    const PixelRect r = ToPixels(place);
    return QRect(r.x, r.y, r.width, r.height);
}

QImage KeyFacePicture(int face)
{
    QImage picture(QStringLiteral(":/panel/face_%1.png").arg(face));
    return picture.isNull() ? picture : picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// The part of the face a key shows, scaled to the part the smaller key shows;
// the hidden columns stay as they are.
QImage KeyFacePicture(int face, QSize keySize)
{
    const QImage panel = KeyFacePicture(face);
    const QSize size = keySize - kFaceMargin;
    if (panel.isNull() || panel.size() == size || size.width() <= kHiddenColumns || size.height() <= 0) return panel;
    const QImage shown = panel.copy(kHiddenColumns, 0, panel.width() - kHiddenColumns, panel.height());
    QImage fitted(size, QImage::Format_ARGB32_Premultiplied);
    fitted.fill(Qt::transparent);
    QPainter p(&fitted);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    p.drawImage(QRect(kHiddenColumns, 0, size.width() - kHiddenColumns, size.height()), shown);
    return fitted;
}

}  // namespace zan::gui
