#include "artwork.h"

#include <QPainterPath>
#include <cmath>

namespace zan::artwork {

QImage BlackCanvas(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::black);
    return image;
}

QLinearGradient CylinderLight(qreal top, qreal bottom, const QColor& tint)
{
    QLinearGradient g(0, top, 0, bottom);
    auto shade = [&](int percent) { return tint.lighter(percent); };
    g.setColorAt(0.00, shade(40));
    g.setColorAt(0.10, shade(85));
    g.setColorAt(0.24, shade(150));
    g.setColorAt(0.32, shade(125));
    g.setColorAt(0.55, shade(95));
    g.setColorAt(0.85, shade(60));
    g.setColorAt(1.00, shade(35));
    return g;
}

void DrawScrew(QPainter& p, QPointF c, qreal radius)
{
    QRadialGradient head(c - QPointF(radius * 0.35, radius * 0.35), radius * 1.4);
    head.setColorAt(0.0, QColor(215, 218, 224));
    head.setColorAt(0.6, QColor(140, 144, 152));
    head.setColorAt(1.0, QColor(70, 72, 78));
    p.setPen(QPen(QColor(35, 36, 40), 1.0));
    p.setBrush(head);
    p.drawEllipse(c, radius, radius);
    // Hexagon socket.
    QPainterPath hex;
    const qreal s = radius * 0.45;
    for (int k = 0; k < 6; ++k) {
        const qreal a = k * 3.14159265 / 3.0;
        const QPointF v = c + QPointF(s * std::cos(a), s * std::sin(a));
        if (k == 0) hex.moveTo(v); else hex.lineTo(v);
    }
    hex.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 30, 34));
    p.drawPath(hex);
}

}  // namespace zan::artwork
