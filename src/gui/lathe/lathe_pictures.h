#pragma once
// The pictures of the lathe view, compiled into the program, as opaque RGB32
// images at the size they are drawn in the chosen layout.

#include <QImage>
#include <array>

namespace zan::gui {

struct LathePictures {
    // Normal layout: chuck stretched to 153 x 279, jaws at 102 x 140.
    // Small layout: chuck at 120 x 218, jaws stretched to 79 x 109.
    static LathePictures Load(bool smallLayout);

    QImage chuckStopped;
    QImage chuckTurning;
    QImage upperJaw;
    QImage lowerJaw;
    std::array<QImage, 4> turret;  // stations 1..4, 237 x 237
    QImage nozzleOff;              // 100 x 59
    QImage nozzleOn;               // 100 x 70
};

}  // namespace zan::gui
