// Peck cycles. G74 drills along Z at one or several X positions; G75 grooves
// along X at one or several Z positions. Each hole or groove is cut in pecks
// of the peck depth: after the first, each peck backs off (or, for G74 with R,
// retracts fully and comes back) and feeds in again one peck deeper, so the
// chips break. The tool ends where it started.

#include "core/nc/peck_cycles.h"

#include <string_view>

#include "core/nc/rough_path.h"

namespace zan {

namespace {

constexpr std::string_view kPeckDrillError = "G74参数有误！";
constexpr std::string_view kGroovingError = "G75参数有误！";

// Pecking in the cycle's frame: u is the depth coordinate (G74: Z, G75: X),
// v the position of the hole or groove.
struct Pecks {
    float top;     // where each hole starts and ends
    float bottom;  // the programmed bottom
    float depth;   // peck depth
    float backOff; // back-off and clearance after each peck
    bool fullRetract;
};

// From the bottom so far b to b + v before a peck: straight back by v, or
// out to the top and in again.
bool Reach(CyclePath& p, const Pecks& pk, float at, float b, float v)
{
    if (!pk.fullRetract) return p.AlongU(at, RunUp(b, 3, v, b + v));
    return p.AlongU(at, RunUp(b, 4, pk.top - b, pk.top)) && p.AlongU(at, RunDown(pk.top, 4, pk.top - (b + v), b + v));
}

// One hole or groove at position `at`: whole pecks, a last part peck down to
// the programmed bottom, and out.
bool PeckDown(CyclePath& p, const Pecks& pk, float at)
{
    float b = pk.top;
    float v = 0.0f;  // no clearance before the first peck
    while (b - pk.depth >= pk.bottom) {
        if (!Reach(p, pk, at, b, v)) return false;
        if (!p.AlongU(at, RunDown(b + v, 1, v + pk.depth, b - pk.depth))) return false;
        b -= pk.depth;
        v = pk.backOff;
    }
    if (b != pk.bottom) {
        const float clearance = pk.fullRetract ? v : pk.backOff;
        const float from = b + clearance;
        if (!Reach(p, pk, at, b, clearance)) return false;
        if (!p.AlongU(at, RunDown(from, 1, from - pk.bottom, pk.bottom))) return false;
    }
    return p.AlongU(at, RunUp(pk.bottom, 5, pk.top - pk.bottom, pk.top));
}

// Holes at X0, X0 + e, ... and at x, then back to X0.
bool DrillHoles(CyclePath& p, const Pecks& pk, float x0, float x, float e)
{
    float h = x0;
    float shift = 0.0f;
    while (h <= x - e) {
        if (!p.AlongV(pk.top, RunUp(h, 2, shift, h + shift))) return false;
        h += shift;
        if (!PeckDown(p, pk, h)) return false;
        shift = e;
    }
    if (h < x && !(p.AlongV(pk.top, RunUp(h, 2, x - h, x)) && PeckDown(p, pk, x))) return false;
    return p.AlongV(pk.top, RunDown(x, 6, x - x0, x0));
}

// Grooves at Z0, Z0 - e, ... and at z, then back to Z0.
bool CutGrooves(CyclePath& p, const Pecks& pk, float z0, float z, float e)
{
    float g = z0;
    float shift = 0.0f;
    while (g >= z + e) {
        if (!p.AlongV(pk.top, RunDown(g, 2, shift, g - shift))) return false;
        g -= shift;
        if (!PeckDown(p, pk, g)) return false;
        shift = e;
    }
    if (g > z && !(p.AlongV(pk.top, RunDown(g, 2, g - z, z)) && PeckDown(p, pk, z))) return false;
    return p.AlongV(pk.top, RunUp(z, 6, z0 - z, z0));
}

}  // namespace

bool PeckDrillCycle(PathContext& ctx, float z, float x, float i, float k, float r, float e, int feed)
{
    const float z0 = ctx.state().posZ;
    const float x0 = ctx.state().posX;
    // Pecks that get no deeper, or holes that never get closer to x, would
    // never end.
    if (!(i > 0.0f) || (!(e > 0.0f) && !(x0 > x - e))) return RefuseCycle(ctx, kPeckDrillError);
    // A start less than one shift short of x: only the hole at x is drilled.
    if (x0 > x - e && x0 < x) ctx.alerts().Message(kPeckDrillError);
    const Pecks pk{z0, z, i, k, r != 0.0f};
    return GenerateCycle(ctx, false, feed, kPeckDrillError,
                         [&](CyclePath& p) { return DrillHoles(p, pk, x0, x, e); });
}

bool GroovingCycle(PathContext& ctx, float z, float x, float i, float k, float e, int feed)
{
    const float z0 = ctx.state().posZ;
    const float x0 = ctx.state().posX;
    if (!(i > 0.0f) || (!(e > 0.0f) && !(z0 < z + e))) return RefuseCycle(ctx, kGroovingError);
    if (z0 < z + e && z0 > z) ctx.alerts().Message(kGroovingError);
    const Pecks pk{x0, x, i, k, false};
    return GenerateCycle(ctx, true, feed, kGroovingError,
                         [&](CyclePath& p) { return CutGrooves(p, pk, z0, z, e); });
}

}  // namespace zan
