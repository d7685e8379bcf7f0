// Circular interpolation. An arc is cut in unit steps of Z; each step's X lies
// on the circle, on the half (above or below the centre) the tool is on.
// Coordinates are view units (millimetres, X a radius). The centre, the
// squared radius, the running X and the Z budget are single precision, as the
// controller keeps them; the chord geometry is worked out in double.

#include "core/nc/arcs.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string_view>

#include "core/nc/stepped_run.h"

namespace zan {

namespace {

constexpr std::string_view kG03BadRadius = "G03的参数错误！";

// The controller's value of pi. It puts the centre of a radius-form
// semicircle a hair off the chord, which decides the side the arc starts on.
constexpr double kControllerPi = 3.1415926;

// A chord longer than the diameter by no more than rounding is a semicircle.
constexpr double kChordSlack = 1.0e-6;

struct Circle {
    float cz;
    float cx;
    float r2;  // squared radius
};

// The circle the stepping follows, and from where.
struct ArcWalk {
    Circle c;
    float z0;           // start Z: breaks ties when the tool is level with the centre
    float x0;
    float budget;       // Z travel the arc may use: |dZ|
    bool clockwise;
    bool sideFromStart; // G03 radius form: the half is chosen once, at the start
};

// The centre of the circle of radius r through the start and the end (dz, dx
// from the start), on the side of the chord that makes the arc run clockwise
// for G02 and counter-clockwise for G03. Empty when there is none: a zero
// radius or a chord longer than the diameter.
std::optional<Circle> CircleOfRadius(float z0, float x0, float dz, float dx, float r, bool clockwise)
{
    const double chord2 = double(dz) * dz + double(dx) * dx;
    const double cosTheta = 1.0 - chord2 / (2.0 * double(r) * r);
    if (!(cosTheta >= -1.0 - kChordSlack)) return std::nullopt;  // also r = 0 (-inf)
    const double theta = std::acos(std::max(cosTheta, -1.0));
    const double alpha = clockwise ? (kControllerPi - theta) / 2 : (theta - kControllerPi) / 2;
    const double chord = std::sqrt(chord2);
    Circle c{};
    c.cz = static_cast<float>(z0 + r * (dz * std::cos(alpha) - dx * std::sin(alpha)) / chord);
    c.cx = static_cast<float>(x0 + r * (dz * std::sin(alpha) + dx * std::cos(alpha)) / chord);
    c.r2 = r * r;
    return c;
}

// Whether the tool, last at X xs, continues on the upper (or lower) half,
// moving Z by dir. Level with the centre, the start's side of it decides.
bool OnHalf(const ArcWalk& w, float xs, bool upper, int dir)
{
    if (xs == w.c.cx) return dir < 0 ? w.z0 > w.c.cz : w.z0 < w.c.cz;
    return upper ? xs > w.c.cx : xs < w.c.cx;
}

// Up to two unit steps of Z per turn (the upper half first, then the lower
// with the X the first produced) until the Z budget is used. A step whose Z
// lies beyond the circle has no X on it and is left out of the path.
bool WalkArc(PathContext& ctx, const ArcWalk& w)
{
    const int upperDir = w.clockwise ? -1 : 1;
    float z = w.z0;
    float xs = w.x0;
    float t = w.budget;
    for (long turn = 0; t > 0 && turn < kMaxRunSteps; ++turn) {
        bool stepped = false;
        for (const bool upper : {true, false}) {
            const int dir = upper ? upperDir : -upperDir;
            if (!OnHalf(w, xs, upper, dir)) continue;
            stepped = true;
            z = z + dir;
            t = t - 1;
            const float under = w.c.r2 - (z - w.c.cz) * (z - w.c.cz);
            if (!(under >= 0.0f)) continue;
            const double root = std::sqrt(double(under));
            const float x = static_cast<float>(upper ? w.c.cx + root : w.c.cx - root);
            if (!ctx.Record(z, x)) return false;
            if (!w.sideFromStart) xs = x;
        }
        // Starting level with the centre at its very Z leaves no half to follow.
        if (!stepped) break;
    }
    return true;
}

bool Finite(const Circle& c) { return std::isfinite(c.cz) && std::isfinite(c.cx) && std::isfinite(c.r2); }

}  // namespace

// G02 in this form plays at a quarter of the feed, the other arcs at the feed.
bool ArcByRadius(PathContext& ctx, float z, float x, float r, int feed, bool clockwise)
{
    ctx.Pace(clockwise ? feed / 4 : feed);
    const float z0 = ctx.state().posZ;
    const float x0 = ctx.state().posX;
    const float dz = z - z0;
    const float dx = x - x0;
    // An arc back to its start has no chord to place a centre on, and no Z to travel.
    if (dz == 0.0f && dx == 0.0f) return ctx.Record(z, x);

    const std::optional<Circle> c = CircleOfRadius(z0, x0, dz, dx, r, clockwise);
    if (!c || !Finite(*c)) {
        // No circle: G03 says so; either way the tool goes straight to the end.
        if (!clockwise) ctx.alerts().Message(kG03BadRadius);
        return ctx.Record(z, x);
    }
    const ArcWalk walk{*c, z0, x0, std::fabs(dz), clockwise, !clockwise};
    return WalkArc(ctx, walk) && ctx.Record(z, x);
}

// Whether the end lies on the circle around the centre is not examined: the
// steps follow the circle through the start and the end point is joined.
bool ArcByCentre(PathContext& ctx, float z, float x, float k, float i, int feed, bool clockwise)
{
    ctx.Pace(feed);
    const float z0 = ctx.state().posZ;
    const float x0 = ctx.state().posX;
    Circle c{};
    c.cz = z0 + k;
    c.cx = x0 + i;
    c.r2 = (z0 - c.cz) * (z0 - c.cz) + (x0 - c.cx) * (x0 - c.cx);
    if (Finite(c) && !WalkArc(ctx, ArcWalk{c, z0, x0, std::fabs(z - z0), clockwise, false})) return false;
    return ctx.Record(z, x);
}

}  // namespace zan
