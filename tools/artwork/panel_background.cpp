// The operator panel's background: a painted steel front with the LCD set
// into a dark bezel on the left and the keys in recessed fields. The LCD
// glass is exactly the LCD's blue, so text cells drawn on it blend in.

#include <QPainter>
#include <QPainterPath>
#include <QRect>
#include <initializer_list>

#include "core/lcd/lcd_screen.h"
#include "core/panel/key_table.h"
#include "panel_art.h"

namespace zan::artwork {

namespace {

constexpr int kWidth = 620;
constexpr int kHeight = 332;
const QRect kGlass(20, 42, 249, 177);   // covers the title row (y 45) to the mode bar (y 203..215)
const QRect kBezel = kGlass.adjusted(-8, -8, 8, 8);

QRect KeyRect(KeyId id)
{
    const PixelRect r = ToPixels(FindKey(id)->place);
    return QRect(r.x, r.y, r.width, r.height);
}

// The keys whose rectangles lie within the dialog-unit bounds, joined.
QRect Field(int left, int top, int right, int bottom)
{
    QRect joined;
    for (const KeyInfo& key : PanelKeys()) {
        const DialogRect& d = key.place;
        if (d.x >= left && d.x < right && d.y >= top && d.y < bottom) joined |= KeyRect(key.id);
    }
    return joined.adjusted(-4, -4, 4, 3) & QRect(0, 0, kWidth, kHeight).adjusted(2, 2, -2, -2);
}

void DrawFront(QPainter& p)
{
    QLinearGradient steel(0, 0, 0, kHeight);
    steel.setColorAt(0.0, QColor(222, 221, 214));
    steel.setColorAt(1.0, QColor(188, 187, 180));
    p.fillRect(QRect(0, 0, kWidth, kHeight), steel);
    p.setPen(QColor(250, 250, 246));
    p.drawLine(0, 0, kWidth - 1, 0);
    p.drawLine(0, 0, 0, kHeight - 1);
    p.setPen(QColor(120, 118, 112));
    p.drawLine(kWidth - 1, 0, kWidth - 1, kHeight - 1);
    p.drawLine(0, kHeight - 1, kWidth - 1, kHeight - 1);
}

void DrawNamePlate(QPainter& p)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(17);
    p.setFont(font);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setPen(QColor(36, 52, 110));
    p.drawText(QRect(kBezel.left(), 6, kBezel.width(), 22), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("ZAN 400LT"));
    p.setPen(QColor(36, 52, 110, 150));
    p.drawLine(kBezel.left(), 29, kBezel.right(), 29);
}

void DrawLcd(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(QColor(20, 20, 24), 1.0));
    p.setBrush(QColor(52, 54, 62));
    p.drawRoundedRect(QRectF(kBezel).adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
    p.setRenderHint(QPainter::Antialiasing, false);
    // The glass sits a little below the bezel: shadow above and left, light below and right.
    p.setPen(QColor(24, 24, 28));
    p.drawLine(kGlass.left() - 1, kGlass.top() - 1, kGlass.right() + 1, kGlass.top() - 1);
    p.drawLine(kGlass.left() - 1, kGlass.top() - 1, kGlass.left() - 1, kGlass.bottom() + 1);
    p.setPen(QColor(110, 112, 122));
    p.drawLine(kGlass.left() - 1, kGlass.bottom() + 1, kGlass.right() + 1, kGlass.bottom() + 1);
    p.drawLine(kGlass.right() + 1, kGlass.top() - 1, kGlass.right() + 1, kGlass.bottom() + 1);
    p.fillRect(kGlass, QColor::fromRgb(kLcdBlue));
}

void DrawKeyField(QPainter& p, const QRect& field)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 150, 146));
    p.drawRoundedRect(QRectF(field), 4, 4);
    p.setBrush(QColor(172, 172, 166));
    p.drawRoundedRect(QRectF(field).adjusted(1, 1, 0, 0), 4, 4);
}

}  // namespace

QImage PanelBackground()
{
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    QPainter p(&image);
    DrawFront(p);
    DrawNamePlate(p);
    DrawLcd(p);
    // Dialog-unit bands of the key groups: address and digit keys, the
    // editing row, the mode row, the machine keys, jog keys, and the rest.
    for (const QRect& field : {Field(185, 20, 400, 100), Field(185, 100, 400, 130), Field(185, 130, 400, 160),
                               Field(0, 160, 185, 210), Field(190, 160, 280, 210), Field(280, 160, 400, 210)})
        DrawKeyField(p, field);
    return image;
}

}  // namespace zan::artwork
