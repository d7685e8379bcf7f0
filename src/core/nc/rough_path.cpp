// Counting and recording the points of a multi-pass cycle.

#include "core/nc/rough_path.h"

namespace zan {

bool CyclePath::Point(float u, float v)
{
    if (++points_ > kMaxPoints) return false;
    if (!recording_) {
        // Counting costs nearly what recording does: a refused cycle in a
        // loop is work done too.
        ctx_.path.AddWork(1);
        return true;
    }
    return turned_ ? ctx_.Record(v, u) : ctx_.Record(u, v);
}

bool CyclePath::AlongU(float v, const CycleRun& run)
{
    // The multiple is kept as a whole count of steps, so a long run adds up no
    // rounding; the point budget ends any run, however long.
    for (long n = 1; float(n) * run.step <= run.length; ++n)
        if (!Point(run.from + run.dir * float(n) * run.step, v)) return false;
    return Point(run.end, v);
}

bool CyclePath::AlongV(float u, const CycleRun& run)
{
    for (long n = 1; float(n) * run.step <= run.length; ++n)
        if (!Point(u, run.from + run.dir * float(n) * run.step)) return false;
    return Point(u, run.end);
}

bool GenerateCycle(PathContext& ctx, bool turned, int feed, std::string_view message, const CycleGenerator& cycle)
{
    CyclePath counting(ctx, turned, false);
    if (!cycle(counting)) return RefuseCycle(ctx, message);  // only the budget stops a count
    ctx.Pace(feed);
    CyclePath recording(ctx, turned, true);
    return cycle(recording);
}

bool RefuseCycle(PathContext& ctx, std::string_view message)
{
    ctx.alerts().Message(message);
    ctx.Record(ctx.state().posZ, ctx.state().posX);
    return false;
}

}  // namespace zan
