// The symbols on the machine keys: arrows, spindle turns, reference point,
// coolant drop, feed hold and cycle start. Each is drawn to fill a box.

#include <QPainterPath>
#include <cmath>

#include "key_art.h"

namespace zan::artwork {

namespace {

constexpr qreal kPi = 3.14159265358979;

// A square of side s centred in the box: symbols keep their proportions.
QRectF Square(const QRectF& box)
{
    const qreal s = std::min(box.width(), box.height());
    return QRectF(box.center().x() - s / 2, box.center().y() - s / 2, s, s);
}

// An arrow from the centre of the left edge to the right, turned by `degrees`.
void Arrow(QPainter& p, const QRectF& box, qreal degrees, const QColor& ink)
{
    const QRectF sq = Square(box);
    const qreal s = sq.width();
    p.save();
    p.translate(sq.center());
    p.rotate(degrees);
    QPainterPath path;
    const qreal shaft = s * 0.14, head = s * 0.34;
    path.moveTo(-s * 0.42, -shaft / 2);
    path.lineTo(s * 0.05, -shaft / 2);
    path.lineTo(s * 0.05, -head);
    path.lineTo(s * 0.45, 0);
    path.lineTo(s * 0.05, head);
    path.lineTo(s * 0.05, shaft / 2);
    path.lineTo(-s * 0.42, shaft / 2);
    path.closeSubpath();
    p.fillPath(path, ink);
    p.restore();
}

// Up to twice as wide as high, so it reads in the low band under a caption.
void Triangle(QPainter& p, const QRectF& box, bool up, const QColor& ink)
{
    const qreal h = std::min(box.height() - 2, box.width() * 0.5);
    const qreal w = std::min(box.width() - 2, h * 2);
    const QRectF sq(box.center().x() - w / 2, box.center().y() - h / 2, w, h);
    QPainterPath path;
    const qreal tip = up ? sq.top() : sq.bottom(), base = up ? sq.bottom() : sq.top();
    path.moveTo(sq.center().x(), tip);
    path.lineTo(sq.right(), base);
    path.lineTo(sq.left(), base);
    path.closeSubpath();
    p.fillPath(path, ink);
}

// Three quarters of a circle with an arrowhead at its end: clockwise or not.
void Turn(QPainter& p, const QRectF& box, bool clockwise, const QColor& ink)
{
    const QRectF sq = Square(box).adjusted(2, 2, -2, -2);
    const qreal r = sq.width() / 2;
    p.save();
    p.setPen(QPen(ink, std::max<qreal>(1.5, r * 0.28), Qt::SolidLine, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
    const int start = 90 * 16;  // Qt angles: 1/16 degree, counter-clockwise from three o'clock
    const int span = (clockwise ? -270 : 270) * 16;
    p.drawArc(sq, start, span);
    // The head sits where the arc ends, at three o'clock or at nine, pointing along the turn.
    const qreal endAngle = (clockwise ? 90.0 - 270.0 : 90.0 + 270.0) * kPi / 180.0;
    const QPointF end = sq.center() + QPointF(r * std::cos(endAngle), -r * std::sin(endAngle));
    // Either way the turn ends going upward (at nine o'clock clockwise, at three the other way).
    const qreal h = r * 0.7;
    QPainterPath head;
    head.moveTo(end + QPointF(-h * 0.75, 0));
    head.lineTo(end + QPointF(h * 0.75, 0));
    head.lineTo(end + QPointF(0, -h));
    head.closeSubpath();
    p.setPen(Qt::NoPen);
    p.fillPath(head, ink);
    p.restore();
}

void Stop(QPainter& p, const QRectF& box, const QColor& ink)
{
    const QRectF sq = Square(box).adjusted(2, 2, -2, -2);
    p.save();
    p.setPen(QPen(ink, std::max<qreal>(1.5, sq.width() * 0.13)));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(sq);
    const qreal s = sq.width() * 0.36;
    p.fillRect(QRectF(sq.center().x() - s / 2, sq.center().y() - s / 2, s, s), ink);
    p.restore();
}

// A house: return to the reference point.
void Home(QPainter& p, const QRectF& box, const QColor& ink)
{
    const QRectF sq = Square(box).adjusted(1, 1, -1, -1);
    QPainterPath path;
    path.moveTo(sq.center().x(), sq.top());
    path.lineTo(sq.right(), sq.top() + sq.height() * 0.45);
    path.lineTo(sq.right() - sq.width() * 0.15, sq.top() + sq.height() * 0.45);
    path.lineTo(sq.right() - sq.width() * 0.15, sq.bottom());
    path.lineTo(sq.left() + sq.width() * 0.15, sq.bottom());
    path.lineTo(sq.left() + sq.width() * 0.15, sq.top() + sq.height() * 0.45);
    path.lineTo(sq.left(), sq.top() + sq.height() * 0.45);
    path.closeSubpath();
    p.fillPath(path, ink);
}

// A ring with a cross: the machine's zero point.
void Zero(QPainter& p, const QRectF& box, const QColor& ink)
{
    const QRectF sq = Square(box).adjusted(1.5, 1.5, -1.5, -1.5);
    p.save();
    p.setPen(QPen(ink, std::max<qreal>(1.2, sq.width() * 0.12)));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(sq);
    p.drawLine(QPointF(sq.center().x(), sq.top() - 1), QPointF(sq.center().x(), sq.bottom() + 1));
    p.drawLine(QPointF(sq.left() - 1, sq.center().y()), QPointF(sq.right() + 1, sq.center().y()));
    p.restore();
}

void Drop(QPainter& p, const QRectF& box, const QColor& ink)
{
    const QRectF sq = Square(box).adjusted(1, 0, -1, 0);
    QPainterPath path;
    const qreal r = sq.width() * 0.38;
    const QPointF bulb(sq.center().x(), sq.bottom() - r);
    path.moveTo(sq.center().x(), sq.top());
    path.quadTo(QPointF(bulb.x() + r * 1.1, bulb.y() - r * 0.4), QPointF(bulb.x() + r, bulb.y()));
    path.arcTo(QRectF(bulb.x() - r, bulb.y() - r, 2 * r, 2 * r), 0, -180);
    path.quadTo(QPointF(bulb.x() - r * 1.1, bulb.y() - r * 0.4), QPointF(sq.center().x(), sq.top()));
    p.fillPath(path, ink);
}

void Hold(QPainter& p, const QRectF& box, const QColor& ink)
{
    const QRectF sq = Square(box).adjusted(3, 3, -3, -3);
    const qreal bar = sq.width() * 0.32;
    p.fillRect(QRectF(sq.left(), sq.top(), bar, sq.height()), ink);
    p.fillRect(QRectF(sq.right() - bar, sq.top(), bar, sq.height()), ink);
}

void Start(QPainter& p, const QRectF& box, const QColor& ink)
{
    const QRectF sq = Square(box).adjusted(3, 2, -2, -2);
    QPainterPath path;
    path.moveTo(sq.left(), sq.top());
    path.lineTo(sq.right(), sq.center().y());
    path.lineTo(sq.left(), sq.bottom());
    path.closeSubpath();
    p.fillPath(path, ink);
}

// Two heads on one shaft: traverse at rapid. Up to twice as wide as high.
void Rapid(QPainter& p, const QRectF& box, const QColor& ink)
{
    const qreal bh = std::min(box.height() - 2, box.width() * 0.5);
    const qreal bw = std::min(box.width() - 2, bh * 2);
    const QRectF sq(box.center().x() - bw / 2, box.center().y() - bh / 2, bw, bh);
    const qreal y = sq.center().y(), h = sq.height() * 0.45, w = sq.width();
    p.fillRect(QRectF(sq.left(), y - h * 0.3, w * 0.6, h * 0.6), ink);
    for (qreal tip : {sq.left() + w * 0.72, sq.right()}) {
        QPainterPath head;
        head.moveTo(tip, y);
        head.lineTo(tip - w * 0.34, y - h);
        head.lineTo(tip - w * 0.34, y + h);
        head.closeSubpath();
        p.fillPath(head, ink);
    }
}

}  // namespace

void DrawMark(QPainter& p, const QRectF& box, Mark mark, const QColor& ink)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    switch (mark) {
    case Mark::ArrowRight: return Arrow(p, box, 0, ink);
    case Mark::ArrowDown: return Arrow(p, box, 90, ink);
    case Mark::ArrowLeft: return Arrow(p, box, 180, ink);
    case Mark::ArrowUp: return Arrow(p, box, 270, ink);
    case Mark::TriangleUp: return Triangle(p, box, true, ink);
    case Mark::TriangleDown: return Triangle(p, box, false, ink);
    case Mark::TurnCw: return Turn(p, box, true, ink);
    case Mark::TurnCcw: return Turn(p, box, false, ink);
    case Mark::Stop: return Stop(p, box, ink);
    case Mark::Home: return Home(p, box, ink);
    case Mark::Zero: return Zero(p, box, ink);
    case Mark::Drop: return Drop(p, box, ink);
    case Mark::Hold: return Hold(p, box, ink);
    case Mark::Start: return Start(p, box, ink);
    case Mark::Rapid: return Rapid(p, box, ink);
    case Mark::None: return;
    }
}

}  // namespace zan::artwork
