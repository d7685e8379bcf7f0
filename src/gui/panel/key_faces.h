#pragma once
// Where the keys sit and what they show: the key table's dialog-unit
// rectangles as client pixels (the one place they are converted), and the
// face pictures compiled into the program (tools/artwork draws them). The
// second key pad shows the panel's own faces, fitted to its smaller keys.

#include <QImage>
#include <QRect>

#include "core/panel/key_table.h"

namespace zan::gui {

// A key's rectangle in client pixels.
QRect KeyRect(const DialogRect& place);

// The panel's face picture `face`; a null image when there is none.
QImage KeyFacePicture(int face);

// The same face for a key of `keySize` pixels (a key of the second key pad).
QImage KeyFacePicture(int face, QSize keySize);

}  // namespace zan::gui
