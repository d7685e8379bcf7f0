// Straight runs of the one-block cycles. Every coordinate is a float in view
// units (millimetres; X a radius), as the path buffer stores them.

#include "core/nc/stepped_run.h"

#include <algorithm>
#include <cmath>

namespace zan {

namespace {

// A line from (z0, x0) to (z, x) with the major axis and step distance of the
// G01 rule: the distance is |dX| for a move along X only, |dZ| for one along
// Z only, otherwise the larger of the two.
struct Line {
    float z0, x0, z, x;
    float dz, dx;
    bool alongZ;
    float distance;
};

Line MakeLine(float z0, float x0, float z, float x)
{
    Line l{z0, x0, z, x, z - z0, x - x0, false, 0.0f};
    l.alongZ = std::fabs(l.dz) >= std::fabs(l.dx);
    if (z == z0)
        l.distance = std::fabs(l.dx);
    else if (x == x0)
        l.distance = std::fabs(l.dz);
    else
        l.distance = std::max(std::fabs(l.dz), std::fabs(l.dx));
    return l;
}

float Toward(float from, float to, float by) { return to >= from ? from + by : from - by; }

// Moves the major coordinate one increment toward the target and records the
// point; the minor one is taken from the start point, so errors do not add up.
// When the major axis is Z, dz is not 0 unless the line has no length at all,
// and then no step is made; likewise dx along X.
bool StepAlong(PathContext& ctx, const Line& l, float& major, float by)
{
    if (l.alongZ) {
        major = Toward(major, l.z, by);
        return ctx.Record(major, l.x0 + (major - l.z0) * l.dx / l.dz);
    }
    major = Toward(major, l.x, by);
    return ctx.Record(l.z0 + (major - l.x0) * l.dz / l.dx, major);
}

long UnitStepCount(float distance)
{
    if (!(distance > 0.0f)) return 0;
    return static_cast<long>(std::min(std::ceil(double(distance)), double(kMaxRunSteps)));
}

}  // namespace

bool SteppedRun(PathContext& ctx, const StraightRun& run)
{
    const float stride = std::fabs(run.step);
    auto record = [&](float along) {
        return run.axis == RunAxis::kZ ? ctx.Record(along, run.other) : ctx.Record(run.other, along);
    };
    // A zero step would never cover the length.
    for (long k = 1; stride > 0.0f && k <= kMaxRunSteps; ++k) {
        const float covered = stride * static_cast<float>(k);
        if (!(covered <= run.length)) break;
        if (!record(run.from + (run.step < 0 ? -covered : covered))) return false;
    }
    return record(run.corner);
}

bool LinearSteps(PathContext& ctx, float z0, float x0, float z, float x)
{
    const Line l = MakeLine(z0, x0, z, x);
    float major = l.alongZ ? z0 : x0;
    for (long i = UnitStepCount(l.distance); i > 0; --i)
        if (!StepAlong(ctx, l, major, 1.0f)) return false;
    return ctx.Record(z, x);
}

bool LeadSteps(PathContext& ctx, float z0, float x0, float z, float x, float lead)
{
    const Line l = MakeLine(z0, x0, z, x);
    float major = l.alongZ ? z0 : x0;
    float remaining = l.distance;
    // The guard on lead keeps a lead of zero (or NaN) from stepping on the spot.
    for (long k = 0; lead > 0.0f && remaining - lead > 0.0f && k < kMaxRunSteps; ++k) {
        remaining -= lead;
        if (!StepAlong(ctx, l, major, lead)) return false;
    }
    return ctx.Record(z, x);
}

}  // namespace zan
