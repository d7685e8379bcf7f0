// The coolant nozzle above the tool: a segmented hose from the machine's
// guard bending down to a flat nozzle. With coolant on, a jet leaves it.

#include <QPainterPath>
#include <cmath>

#include "artwork.h"

namespace zan::artwork {

namespace {

constexpr int kWidth = 100;
constexpr int kOffHeight = 59;
constexpr int kOnHeight = 70;

// Centre line of the hose: from the mount at the top right to the nozzle.
QPointF HosePoint(qreal t)
{
    const QPointF p0(78, 10), p1(80, 40), p2(40, 30), p3(22, 44);
    const qreal u = 1 - t;
    return u * u * u * p0 + 3 * u * u * t * p1 + 3 * u * t * t * p2 + t * t * t * p3;
}

void DrawMount(QPainter& p)
{
    QLinearGradient g(66, 0, 90, 0);
    g.setColorAt(0.0, QColor(80, 84, 92));
    g.setColorAt(0.5, QColor(170, 174, 182));
    g.setColorAt(1.0, QColor(70, 74, 82));
    p.setPen(QPen(QColor(30, 30, 34), 1.0));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(68, 0, 20, 11), 2, 2);
}

// Ball-and-socket segments, each a lit bead.
void DrawHose(QPainter& p)
{
    constexpr int kSegments = 9;
    for (int k = 0; k <= kSegments; ++k) {
        const QPointF c = HosePoint(k / qreal(kSegments));
        QRadialGradient bead(c - QPointF(2.5, 2.5), 9);
        bead.setColorAt(0.0, QColor(150, 200, 255));
        bead.setColorAt(0.5, QColor(40, 110, 210));
        bead.setColorAt(1.0, QColor(10, 40, 95));
        p.setPen(QPen(QColor(8, 24, 60), 1.0));
        p.setBrush(bead);
        p.drawEllipse(c, 6.2, 6.2);
    }
}

void DrawNozzleTip(QPainter& p)
{
    QPainterPath tip;
    tip.moveTo(17, 44);
    tip.lineTo(27, 44);
    tip.lineTo(24, 56);
    tip.lineTo(19, 56);
    tip.closeSubpath();
    QLinearGradient g(17, 0, 27, 0);
    g.setColorAt(0.0, QColor(255, 170, 60));
    g.setColorAt(0.5, QColor(255, 220, 140));
    g.setColorAt(1.0, QColor(190, 100, 20));
    p.setPen(QPen(QColor(90, 45, 5), 1.0));
    p.setBrush(g);
    p.drawPath(tip);
}

void DrawJet(QPainter& p)
{
    QPainterPath jet;
    jet.moveTo(19.5, 56);
    jet.lineTo(23.5, 56);
    jet.cubicTo(25, 62, 26, 66, 27, kOnHeight);
    jet.lineTo(16, kOnHeight);
    jet.cubicTo(17, 66, 18.5, 62, 19.5, 56);
    QLinearGradient g(16, 0, 27, 0);
    g.setColorAt(0.0, QColor(60, 150, 230, 170));
    g.setColorAt(0.5, QColor(210, 240, 255, 235));
    g.setColorAt(1.0, QColor(60, 150, 230, 170));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(jet);
    p.setBrush(QColor(170, 220, 255, 200));
    for (const QPointF d : {QPointF(12, 64), QPointF(31, 63), QPointF(9, 68), QPointF(33, 68)})
        p.drawEllipse(d, 1.2, 1.6);
}

}  // namespace

QImage Nozzle(bool coolantOn)
{
    QImage image = BlackCanvas(kWidth, coolantOn ? kOnHeight : kOffHeight);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    DrawMount(p);
    DrawHose(p);
    DrawNozzleTip(p);
    if (coolantOn) DrawJet(p);
    return image;
}

}  // namespace zan::artwork
