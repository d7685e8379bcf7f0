// The three-jaw chuck seen from the side: the spindle flange on the left, the
// body as a lit cylinder, and the stepped jaws that reach out of its face.

#include <QPainterPath>

#include "artwork.h"

namespace zan::artwork {

namespace {

constexpr int kBodyWidth = 120;
constexpr int kBodyHeight = 218;
constexpr int kFlangeRight = 24;   // spindle flange, narrower than the body
constexpr int kRimLeft = 108;      // the chuck face's chamfered rim
const QColor kChuckSteel(118, 126, 140);

QPainterPath BodyOutline()
{
    QPainterPath path;
    const qreal l = kFlangeRight, r = kBodyWidth, h = kBodyHeight;
    path.moveTo(l + 4, 0);
    path.lineTo(r - 9, 0);
    path.lineTo(r, 9);
    path.lineTo(r, h - 9);
    path.lineTo(r - 9, h);
    path.lineTo(l + 4, h);
    path.lineTo(l, h - 4);
    path.lineTo(l, 4);
    path.closeSubpath();
    return path;
}

void DrawFlange(QPainter& p)
{
    const QRectF flange(0, 42, kFlangeRight + 2, kBodyHeight - 84);
    p.setPen(Qt::NoPen);
    p.setBrush(CylinderLight(flange.top(), flange.bottom(), QColor(92, 96, 106)));
    p.drawRect(flange);
    // Bolt heads of the back plate, seen edge-on.
    for (qreal y : {60.0, 100.0, 140.0}) {
        p.setBrush(CylinderLight(y, y + 14, QColor(150, 154, 162)));
        p.drawRect(QRectF(6, y, 12, 14));
    }
}

void DrawBody(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(CylinderLight(0, kBodyHeight, kChuckSteel));
    p.drawPath(BodyOutline());
    // Turned grooves and the face's rim catch the light differently.
    p.setBrush(CylinderLight(0, kBodyHeight, QColor(70, 76, 88)));
    p.drawRect(QRectF(kFlangeRight + 14, 1, 3, kBodyHeight - 2));
    p.setBrush(CylinderLight(0, kBodyHeight, QColor(150, 158, 172)));
    QPainterPath rim;
    rim.addRect(QRectF(kRimLeft, 0, kBodyWidth - kRimLeft, kBodyHeight));
    p.drawPath(rim.intersected(BodyOutline()));
    p.setPen(QPen(QColor(40, 42, 48), 1.0));
    p.drawLine(QPointF(kRimLeft, 1), QPointF(kRimLeft, kBodyHeight - 1));
    p.setPen(QPen(QColor(255, 255, 255, 90), 1.0));
    p.drawLine(QPointF(kBodyWidth - 0.5, 10), QPointF(kBodyWidth - 0.5, kBodyHeight - 10));
}

// Square key sockets on the body's side; near the edges they are foreshortened.
void DrawKeySockets(QPainter& p)
{
    struct Socket { qreal y; qreal h; };
    for (const Socket s : {Socket{101, 16}, Socket{30, 6}, Socket{182, 6}}) {
        const QRectF outer(64, s.y, 18, s.h);
        p.setPen(QPen(QColor(30, 32, 36), 1.0));
        p.setBrush(QColor(48, 50, 56));
        p.drawRoundedRect(outer, 2, 2);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(12, 12, 14));
        p.drawRect(outer.adjusted(4, s.h * 0.25, -4, -s.h * 0.25));
    }
}

// A turning chuck: the sockets smear into soft vertical streaks and fine
// rings shimmer along the body.
void DrawRotationBlur(QPainter& p)
{
    QLinearGradient streak(0, 0, 0, kBodyHeight);
    streak.setColorAt(0.0, QColor(20, 20, 24, 0));
    streak.setColorAt(0.2, QColor(20, 20, 24, 70));
    streak.setColorAt(0.5, QColor(20, 20, 24, 95));
    streak.setColorAt(0.8, QColor(20, 20, 24, 70));
    streak.setColorAt(1.0, QColor(20, 20, 24, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(streak);
    p.drawRect(QRectF(64, 3, 18, kBodyHeight - 6));
    p.setBrush(QColor(255, 255, 255, 28));
    for (qreal x : {50.0, 56.0, 90.0, 97.0}) p.drawRect(QRectF(x, 4, 1.5, kBodyHeight - 8));
    // Light sweeping round with the body.
    QLinearGradient sweep(0, 0, 0, kBodyHeight);
    sweep.setColorAt(0.0, QColor(255, 255, 255, 0));
    sweep.setColorAt(0.5, QColor(200, 225, 255, 30));
    sweep.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.setBrush(sweep);
    p.drawPath(BodyOutline());
}

}  // namespace

QImage ChuckBody(bool turning)
{
    QImage image = BlackCanvas(kBodyWidth, kBodyHeight);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    DrawFlange(p);
    DrawBody(p);
    if (turning) DrawRotationBlur(p);
    else DrawKeySockets(p);
    return image;
}

namespace {

constexpr int kJawWidth = 102;
constexpr int kJawHeight = 140;
constexpr int kJawLeft = 22;  // columns left of this lie behind the chuck body

// The upper jaw: grips along its lower edge, steps down away from the chuck.
QPainterPath UpperJawOutline()
{
    QPainterPath path;
    path.moveTo(kJawLeft, 0);
    path.lineTo(52, 0);
    path.lineTo(52, 40);
    path.lineTo(78, 40);
    path.lineTo(78, 80);
    path.lineTo(kJawWidth, 80);
    path.lineTo(kJawWidth, kJawHeight);
    path.lineTo(kJawLeft, kJawHeight);
    path.closeSubpath();
    return path;
}

// The jaw's body, its step risers, serrations and screws; the light on the
// faces that look up is added per jaw.
QImage JawBody()
{
    QImage image = BlackCanvas(kJawWidth, kJawHeight);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient side(kJawLeft, 0, kJawWidth, 0);
    side.setColorAt(0.0, QColor(96, 100, 110));
    side.setColorAt(0.45, QColor(150, 154, 164));
    side.setColorAt(1.0, QColor(112, 116, 126));
    p.setPen(Qt::NoPen);
    p.setBrush(side);
    p.drawPath(UpperJawOutline());
    p.setBrush(QColor(60, 62, 70));
    p.drawRect(QRectF(50, 0, 2, 40));
    p.drawRect(QRectF(76, 40, 2, 40));
    p.drawRect(QRectF(kJawWidth - 2, 80, 2, kJawHeight - 80));
    // Serrated gripping face.
    p.setBrush(QColor(45, 46, 52));
    for (int x = kJawLeft + 2; x < kJawWidth - 2; x += 5) p.drawRect(QRectF(x, kJawHeight - 5, 2, 5));
    // Screws holding the top jaw on its master jaw.
    DrawScrew(p, QPointF(37, 30), 8);
    DrawScrew(p, QPointF(37, 95), 8);
    return image;
}

}  // namespace

QImage UpperJaw()
{
    QImage image = JawBody();
    QPainter p(&image);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(205, 210, 218));  // the lit tops of the steps
    p.drawRect(QRectF(kJawLeft, 0, 50 - kJawLeft, 2));
    p.drawRect(QRectF(52, 40, 24, 2));
    p.drawRect(QRectF(78, 80, kJawWidth - 80, 2));
    return image;
}

QImage LowerJaw()
{
    QImage image = JawBody().mirrored(false, true);
    QPainter p(&image);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(190, 195, 204));  // the gripping face catches the light
    for (int x = kJawLeft + 4; x < kJawWidth - 2; x += 5) p.drawRect(QRectF(x, 0, 3, 1));
    p.setBrush(QColor(40, 42, 48));     // the steps' undersides lie in shadow
    p.drawRect(QRectF(kJawLeft, kJawHeight - 2, 50 - kJawLeft, 2));
    p.drawRect(QRectF(52, kJawHeight - 42, 24, 2));
    p.drawRect(QRectF(78, kJawHeight - 82, kJawWidth - 80, 2));
    return image;
}

}  // namespace zan::artwork
