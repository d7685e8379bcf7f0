#pragma once
// Drawing helpers shared by the key faces and their symbols.

#include <QColor>
#include <QPainter>
#include <QRectF>

#include "key_legends.h"

namespace zan::artwork {

// Draws a symbol filling the box (kept square), antialiased, in `ink`.
void DrawMark(QPainter& p, const QRectF& box, Mark mark, const QColor& ink);

}  // namespace zan::artwork
