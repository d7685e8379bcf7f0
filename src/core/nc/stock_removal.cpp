// Stock-removal cycles. G71 roughs in passes along Z, each a depth of cut
// lower in X, from the contour's largest X down to its first point; G72 is the
// same scheme turned by a right angle, in passes along X, each a depth of cut
// lower in Z. The contour's own blocks run afterwards as the finishing pass.

#include "core/nc/stock_removal.h"

#include <array>

#include "core/nc/nc_messages.h"
#include "core/nc/rough_cut.h"
#include "core/nc/rough_path.h"

namespace zan {

namespace {

using Coordinates = std::array<float, ContourTable::kElements>;
using CutEnd = float (*)(const ContourTable&, int, float);

// One roughing cycle in its own frame: u runs along the cut (G71: Z, G72: X),
// v is the level across it (G71: X, G72: Z).
struct Roughing {
    const ContourTable& contour;
    int count;
    float a;      // where the finishing pass starts across the cut
    float delta;  // depth of cut per pass
    float rho;    // retract after each pass
    float u0;     // start of every cut: the start point's u
    const Coordinates& levels;  // the contour's v coordinates
    const Coordinates& alongs;  // the contour's u coordinates
    CutEnd cutEnd;
};

struct PassState {
    float level;
    float q;      // retract carried into the next infeed: 0 before the first pass
    float lastU;  // where the last cut ended
};

// Back to the start at the level, in by the depth of cut (and the retract),
// cut to the contour, and retract.
bool Pass(CyclePath& p, const Roughing& r, int k, PassState& st)
{
    const float cut = st.level - r.delta - st.q;
    const float end = r.cutEnd(r.contour, k, cut);
    if (!p.AlongU(st.level, RunUp(st.lastU, 5, r.u0 - st.lastU, r.u0))) return false;
    if (!p.AlongV(r.u0, RunDown(st.level, 3, r.delta + st.q, cut))) return false;
    st.level = cut;
    if (!p.AlongU(st.level, RunDown(r.u0, 2, r.u0 - end, end))) return false;
    st.lastU = end;
    if (!p.AlongV(end, RunUp(st.level, 3, r.rho, st.level + r.rho))) return false;
    st.level += r.rho;
    st.q = r.rho;
    return true;
}

// Segments from the last to the first; each gets passes until the next cut
// would go below its start.
bool Passes(CyclePath& p, const Roughing& r, PassState& st)
{
    for (int k = r.count - 1; k >= 1; --k)
        while (st.level >= r.levels[k - 1] + r.delta + st.q)
            if (!Pass(p, r, k, st)) return false;
    return true;
}

// Back to the start, across to a, and along to the contour's first point,
// where the finishing pass begins.
bool Finish(CyclePath& p, const Roughing& r, const PassState& st)
{
    const float first = r.alongs[0];
    return p.AlongU(st.level, RunUp(st.lastU, 5, r.u0 - st.lastU, r.u0)) && p.Point(r.u0, r.a) &&
           p.AlongU(r.a, RunDown(r.u0, 2, r.u0 - first, first));
}

// Without a positive depth of cut the passes would never get deeper, and the
// contour has at most ContourTable::kElements elements.
bool ParametersOk(float delta, int count) { return delta > 0.0f && count >= 1 && count <= ContourTable::kElements; }

}  // namespace

bool RoughTurnCycle(PathContext& ctx, float a, float delta, float rho, int count, int feed)
{
    if (!ParametersOk(delta, count)) return RefuseCycle(ctx, msg::kContourParameters);
    const ContourTable& c = ctx.state().contour;
    const float z0 = ctx.state().posZ;
    const float x0 = ctx.state().posX;
    const Roughing r{c, count, a, delta, rho, z0, c.x, c.z, TurnCutZ};
    return GenerateCycle(ctx, false, feed, msg::kContourParameters, [&](CyclePath& p) {
        // Down to the contour's largest X, the level of the first pass.
        const float top = c.x[count - 1];
        PassState st{top, 0.0f, z0};
        return p.AlongV(z0, RunDown(x0, 2, x0 - top, top)) && Passes(p, r, st) && Finish(p, r, st);
    });
}

bool RoughFaceCycle(PathContext& ctx, float a, float delta, float rho, int count, int feed)
{
    if (!ParametersOk(delta, count)) return RefuseCycle(ctx, msg::kContourParameters);
    const ContourTable& c = ctx.state().contour;
    const float z0 = ctx.state().posZ;
    const float x0 = ctx.state().posX;
    const Roughing r{c, count, a, delta, rho, x0, c.z, c.x, FaceCutX};
    return GenerateCycle(ctx, true, feed, msg::kContourParameters, [&](CyclePath& p) {
        // Down to the contour's first X; the first pass starts from Z0.
        PassState st{z0, 0.0f, c.x[0]};
        return p.AlongU(z0, RunDown(x0, 2, x0 - c.x[0], c.x[0])) && Passes(p, r, st) && Finish(p, r, st);
    });
}

}  // namespace zan
