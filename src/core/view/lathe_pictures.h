#pragma once
// The pictures of the lathe view, compiled into the program (PNG bytes,
// resources/lathe), decoded at the size they are drawn in the chosen layout.

#include <array>

#include "core/view/raster.h"

namespace zan {

struct LathePictures {
    // Normal layout: chuck stretched to 153 x 279, jaws at 102 x 140.
    // Small layout: chuck at 120 x 218, jaws shrunk to 79 x 109.
    static LathePictures Load(bool smallLayout);

    Picture chuckStopped;
    Picture chuckTurning;
    Picture upperJaw;
    Picture lowerJaw;
    std::array<Picture, 4> turret;  // stations 1..4, 237 x 237
    Picture nozzleOff;              // 100 x 59
    Picture nozzleOn;               // 100 x 70
};

}  // namespace zan
