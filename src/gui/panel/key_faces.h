#pragma once
// Where the keys sit and what they show: the key table's dialog-unit
// rectangles as client pixels (the one place they are converted), and the
// face pictures compiled into the program (tools/artwork draws them).

#include <QImage>
#include <QRect>

#include "core/panel/key_table.h"

namespace zan::gui {

// A key's rectangle in client pixels.
QRect KeyRect(const DialogRect& place);

enum class KeySet { Panel, SecondPad };

// The face picture `face` drawn for the keys of the panel or for the
// smaller keys of the second key pad; a null image when there is none.
QImage KeyFacePicture(int face, KeySet set);

}  // namespace zan::gui
