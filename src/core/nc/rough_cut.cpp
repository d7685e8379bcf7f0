// Intersections of a cut level with the contour's lines and arcs.

#include "core/nc/rough_cut.h"

#include <algorithm>
#include <cmath>

namespace zan {

namespace {

constexpr double kPi = 3.1415926;  // the controller's own value of pi
constexpr float kClockwise = 2.0f;
constexpr float kCounterClockwise = 3.0f;

bool IsArc(const ContourTable& c, int k) { return c.type[k] == kClockwise || c.type[k] == kCounterClockwise; }

// Half the circle's chord at distance `off` from its centre. A level just
// outside the circle (rounding at the arc's top, or arc data that do not fit
// the end points) is clamped onto it: the pass then ends level with the centre
// instead of at an undefined point.
float HalfChord(const ContourCircle& circle, float off)
{
    const double rest = double(circle.r) * circle.r - double(off) * off;
    return float(std::sqrt(std::max(rest, 0.0)));
}

// Centre of a radius arc seen from point (z, x) along the chord (dz, dx).
ContourCircle RadiusCentre(float z, float x, float dz, float dx, float r)
{
    const double d = std::sqrt(double(dz) * dz + double(dx) * dx);
    // A radius shorter than half the chord fits no circle; the smallest circle
    // through both points (a half circle) is taken instead.
    double radius = r;
    if (d > 2.0 * std::fabs(radius)) radius = std::copysign(d / 2.0, radius);
    const double cosTheta = std::clamp(1.0 - d * d / (2.0 * radius * radius), -1.0, 1.0);
    const double alpha = (kPi - std::acos(cosTheta)) / 2.0;
    const double cz = z + radius * (dz * std::cos(alpha) - dx * std::sin(alpha)) / d;
    const double cx = x + radius * (dz * std::sin(alpha) + dx * std::cos(alpha)) / d;
    return ContourCircle{float(cz), float(cx), float(radius)};
}

}  // namespace

bool ArcCircle(const ContourTable& c, int k, ContourCircle& circle)
{
    if (c.r[k] == 0.0f) {
        const float i = c.i[k];
        const float k2 = c.k2[k];
        circle = ContourCircle{c.z[k - 1] + k2, c.x[k - 1] + i, float(std::sqrt(double(i) * i + double(k2) * k2))};
        return true;
    }
    const float dz = c.z[k] - c.z[k - 1];
    const float dx = c.x[k] - c.x[k - 1];
    if (dz == 0.0f && dx == 0.0f) return false;
    if (c.type[k] == kClockwise)
        circle = RadiusCentre(c.z[k - 1], c.x[k - 1], dz, dx, c.r[k]);
    else
        circle = RadiusCentre(c.z[k], c.x[k], -dz, -dx, c.r[k]);
    return true;
}

float TurnCutZ(const ContourTable& c, int k, float xc)
{
    ContourCircle circle;
    if (IsArc(c, k) && ArcCircle(c, k, circle)) {
        const float half = HalfChord(circle, xc - circle.x);
        return c.type[k] == kClockwise ? circle.z + half : circle.z - half;
    }
    // A line along Z or X ends the pass at the segment's start Z; a radius arc
    // with no length is such a line too.
    if (c.z[k] == c.z[k - 1] || c.x[k] == c.x[k - 1]) return c.z[k - 1];
    return c.z[k] + (xc - c.x[k]) * (c.z[k] - c.z[k - 1]) / (c.x[k] - c.x[k - 1]);
}

float FaceCutX(const ContourTable& c, int k, float zc)
{
    ContourCircle circle;
    if (IsArc(c, k) && ArcCircle(c, k, circle)) {
        const float half = HalfChord(circle, zc - circle.z);
        return c.type[k] == kClockwise ? circle.x - half : circle.x + half;
    }
    if (c.z[k] == c.z[k - 1] || c.x[k] == c.x[k - 1]) return c.x[k];
    return c.x[k - 1] - (c.z[k - 1] - zc) * (c.x[k] - c.x[k - 1]) / (c.z[k] - c.z[k - 1]);
}

}  // namespace zan
