#pragma once
// Pictures of the lathe view, drawn from code so they can be regenerated and
// changed. Every picture is opaque on a black background, like the view.

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPointF>

namespace zan::artwork {

// A canvas of the given size in view pixels, black, ready for antialiased drawing.
QImage BlackCanvas(int width, int height);

// Vertical light of a cylinder lying along the rows (chuck, jaws): dark edges,
// a bright band above the middle.
QLinearGradient CylinderLight(qreal top, qreal bottom, const QColor& tint);

// A socket-head screw seen from above, centred at c.
void DrawScrew(QPainter& p, QPointF c, qreal radius);

// Chuck bodies (120 x 218) and jaws (102 x 140).
QImage ChuckBody(bool turning);
QImage UpperJaw();
QImage LowerJaw();

// Coolant nozzle: 100 x 59 without coolant, 100 x 70 with the jet.
QImage Nozzle(bool coolantOn);

// The four-way tool post. Station pictures (237 x 237) hang one row below the
// tool's reference point; the animation frames are larger and sit further up
// and left, at the offsets the machine draws them.
QImage TurretPicture(int station);
QImage TurretStationFrame(int station);   // station 1..4 in place
QImage TurretTurningFrame(int from);      // turning from station `from` to the next

}  // namespace zan::artwork
