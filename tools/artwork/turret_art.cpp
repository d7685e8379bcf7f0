// The four-way tool post seen from above. Its four tools lie in slots along
// the four sides like the blades of a pinwheel; the tool in the slot on the
// left side points up, toward the spindle axis, and is the one that cuts.
//
// Coordinates are those of the station picture: its top-left corner lies one
// row below the tool's reference point. The cutting part of the mounted tool
// (above row 0) is drawn by the machine itself in flat grey; the pictures
// continue its shank inside the post.

#include <QPainterPath>
#include <QTransform>
#include <cmath>
#include <utility>
#include <vector>

#include "artwork.h"

namespace zan::artwork {

namespace {

constexpr int kPictureSize = 237;
constexpr qreal kPost = 150;          // side of the square post
const QPointF kCentre(kPost / 2, kPost / 2);
constexpr qreal kShankEnd = 118.5;    // how deep a shank reaches into the post

// Where the machine draws the animation frames, relative to the station picture.
const QPoint kStationFrameOrigin(-84, -75);
const QPoint kTurningFrameOrigin(-107, -108);
const QSize kStationFrameSize(330, 320);
const QSize kTurningFrameSize(380, 380);

// Tool outlines of the machine, (column, row) relative to the reference point.
using Outline = std::vector<QPointF>;
Outline ToolOutline(int station)
{
    switch (station) {
    case 2: return {{0, 0}, {0, -60}, {20, -80}, {30, -70}, {30, 0}};
    case 3: return {{0, 0}, {0, -70}, {15, -57}, {15, 0}};
    case 4: return {{0, 0}, {0, -60}, {7, -80}, {8, -80}, {15, -60}, {15, 0}};
    default: return {{0, 0}, {0, -70}, {15, -70}, {15, 0}};
    }
}
qreal ToolWidth(int station) { return station == 2 ? 31 : 16; }

// The tool as it lies in the left slot: the machine's outline, whose pixel
// (dx, dy) is picture pixel (dx, dy - 1), with the shank carried down into the post.
QPainterPath ToolPath(int station)
{
    QPainterPath path;
    const Outline outline = ToolOutline(station);
    for (std::size_t k = 0; k < outline.size(); ++k) {
        const QPointF v = outline[k];
        const QPointF at(v.x() + 0.5, v.y() == 0 ? kShankEnd : v.y() - 0.5);
        if (k == 0) path.moveTo(at); else path.lineTo(at);
    }
    path.closeSubpath();
    return path;
}

// Slot angle of each tool (clockwise, degrees) when station 1 is mounted: the
// turret turns clockwise, so the next tool waits in the slot along the bottom.
qreal SlotAngle(int station) { return (4 - (station - 1)) % 4 * 90.0; }

void Rotate(QPainter& p, qreal degrees)
{
    p.translate(kCentre);
    p.rotate(degrees);
    p.translate(-kCentre);
}

// A point fixed on the screen, in the coordinates of a post turned `degrees`.
QPointF Unturned(QPointF screen, qreal degrees)
{
    QTransform t;
    t.translate(kCentre.x(), kCentre.y());
    t.rotate(-degrees);
    t.translate(-kCentre.x(), -kCentre.y());
    return t.map(screen);
}

// The light comes from the top left whichever way the post is turned.
void DrawPostBody(QPainter& p, qreal degrees)
{
    QLinearGradient top(Unturned(QPointF(0, 0), degrees), Unturned(QPointF(kPost, kPost), degrees));
    top.setColorAt(0.0, QColor(176, 184, 198));
    top.setColorAt(0.5, QColor(128, 136, 152));
    top.setColorAt(1.0, QColor(84, 90, 104));
    p.setPen(QPen(QColor(38, 40, 48), 1.0));
    p.setBrush(top);
    p.drawRoundedRect(QRectF(0.5, 0.5, kPost - 1, kPost - 1), 6, 6);
    // Chamfer round the top face.
    p.setPen(QPen(QColor(255, 255, 255, 70), 2.0));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(5, 5, kPost - 10, kPost - 10), 4, 4);
}

void DrawTool(QPainter& p, int station)
{
    const qreal w = ToolWidth(station);
    // The slot's shadow round the shank.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(28, 30, 36));
    p.drawRect(QRectF(-1, 0, w + 2.5, kShankEnd + 2.5));
    // The tool in the machine's grey, edged in the same grey like the machine draws it.
    p.setPen(QPen(QColor(100, 100, 100), 1.0));
    p.setBrush(QColor(100, 100, 100));
    p.drawPath(ToolPath(station));
    // A little light along the shank inside the post.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(128, 128, 130));
    p.drawRect(QRectF(w * 0.3, 4, 2, kShankEnd - 10));
    for (qreal y : {30.0, 84.0}) DrawScrew(p, QPointF(w / 2, y), 8.5);
}

void DrawClampHandle(QPainter& p)
{
    const QPointF knob = kCentre + QPointF(46, 46);
    QLinearGradient lever(kCentre, knob);
    lever.setColorAt(0.0, QColor(60, 62, 70));
    lever.setColorAt(1.0, QColor(140, 144, 152));
    p.setPen(QPen(QBrush(lever), 9, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(kCentre, knob);
    QRadialGradient ball(knob - QPointF(3, 3), 12);
    ball.setColorAt(0.0, QColor(255, 120, 110));
    ball.setColorAt(0.6, QColor(190, 30, 25));
    ball.setColorAt(1.0, QColor(80, 10, 8));
    p.setPen(QPen(QColor(40, 8, 6), 1.0));
    p.setBrush(ball);
    p.drawEllipse(knob, 9, 9);
    // Clamping nut on its washer.
    QRadialGradient washer(kCentre - QPointF(6, 6), 30);
    washer.setColorAt(0.0, QColor(200, 205, 214));
    washer.setColorAt(1.0, QColor(90, 94, 104));
    p.setPen(QPen(QColor(40, 42, 48), 1.0));
    p.setBrush(washer);
    p.drawEllipse(kCentre, 23, 23);
    QPainterPath hex;
    for (int k = 0; k < 6; ++k) {
        const qreal a = (k * 60 + 30) * 3.14159265 / 180;
        const QPointF v = kCentre + QPointF(15 * std::cos(a), 15 * std::sin(a));
        if (k == 0) hex.moveTo(v); else hex.lineTo(v);
    }
    hex.closeSubpath();
    QLinearGradient nut(kCentre - QPointF(15, 15), kCentre + QPointF(15, 15));
    nut.setColorAt(0.0, QColor(220, 224, 230));
    nut.setColorAt(1.0, QColor(96, 100, 110));
    p.setBrush(nut);
    p.drawPath(hex);
}

// The round index base the post turns on, with its graduation.
void DrawBase(QPainter& p)
{
    constexpr qreal kRadius = 92;
    QRadialGradient base(kCentre - QPointF(20, 20), kRadius * 1.4);
    base.setColorAt(0.0, QColor(92, 98, 110));
    base.setColorAt(1.0, QColor(40, 43, 50));
    p.setPen(QPen(QColor(24, 26, 30), 1.0));
    p.setBrush(base);
    p.drawEllipse(kCentre, kRadius, kRadius);
    p.setPen(QPen(QColor(170, 176, 188, 150), 1.0));
    for (int k = 0; k < 72; ++k) {
        const qreal a = k * 5 * 3.14159265 / 180;
        const QPointF dir(std::cos(a), std::sin(a));
        const qreal inner = k % 6 == 0 ? kRadius - 9 : kRadius - 5;
        p.drawLine(kCentre + dir * inner, kCentre + dir * (kRadius - 1.5));
    }
}

// The whole post turned `degrees` clockwise from the position with station 1 mounted.
void DrawTurret(QPainter& p, qreal degrees)
{
    p.save();
    Rotate(p, degrees);
    DrawBase(p);
    DrawPostBody(p, degrees);
    for (int station = 1; station <= 4; ++station) {
        p.save();
        Rotate(p, SlotAngle(station));
        DrawTool(p, station);
        p.restore();
    }
    DrawClampHandle(p);
    p.restore();
}

qreal MountedAngle(int station) { return (station - 1) * 90.0; }

}  // namespace

QImage TurretPicture(int station)
{
    QImage image = BlackCanvas(kPictureSize, kPictureSize);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    DrawTurret(p, MountedAngle(station));
    return image;
}

QImage TurretStationFrame(int station)
{
    QImage image = BlackCanvas(kStationFrameSize.width(), kStationFrameSize.height());
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(-kStationFrameOrigin);
    DrawTurret(p, MountedAngle(station));
    return image;
}

QImage TurretTurningFrame(int from)
{
    QImage image = BlackCanvas(kTurningFrameSize.width(), kTurningFrameSize.height());
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(-kTurningFrameOrigin);
    const qreal angle = MountedAngle(from) + 45;
    // Faint earlier positions give the turn its motion.
    for (const auto& [lag, opacity] : {std::pair{20.0, 0.18}, std::pair{10.0, 0.35}}) {
        p.setOpacity(opacity);
        DrawTurret(p, angle - lag);
    }
    p.setOpacity(1.0);
    DrawTurret(p, angle);
    return image;
}

}  // namespace zan::artwork
