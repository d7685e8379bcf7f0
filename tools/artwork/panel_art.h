#pragma once
// Pictures of the operator panel: the key faces and the panel's background.
// Sizes come from the key table of the controller, so the faces fit the keys
// they are drawn on.

#include <QImage>
#include <QSize>

namespace zan::artwork {

// The face picture of a key, `size` pixels. A key shows its picture from
// its 5th column on (the first 4 sit under the key's frame) and 2 pixels in
// from the top and bottom, so `size` is the key's size less 6 x 4 pixels.
QImage KeyFace(int face, QSize size);

// The face size for a key of `keySize` pixels.
QSize FaceSize(QSize keySize);

// The panel behind the keys, 620 x 332: the LCD glass in the controller's
// blue, its bezel, the name plate and the recessed key fields.
QImage PanelBackground();

}  // namespace zan::artwork
