#pragma once
// Where a roughing pass ends: the point at which segment k of the contour
// (from point k-1 to point k, with the type and arc data of element k) reaches
// the pass's cut level. Every answer is a finite number.

#include "core/lathe/lathe_state.h"

namespace zan {

struct ContourCircle {
    float z;
    float x;
    float r;
};

// The circle of arc element k: by its I and K entries when its R entry is 0,
// otherwise by the radius rule of G02 (type 2, from the start point) or of
// the reversed chord (type 3, from the end point). False for a radius arc
// whose two points coincide, which has no centre.
bool ArcCircle(const ContourTable& c, int k, ContourCircle& circle);

// G71: the Z at which segment k reaches X = xc.
float TurnCutZ(const ContourTable& c, int k, float xc);
// G72: the X at which segment k reaches Z = zc.
float FaceCutX(const ContourTable& c, int k, float zc);

}  // namespace zan
