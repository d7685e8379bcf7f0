// One-block cycles G90, G94, G92 and the thread move G33. Each pass starts
// and ends at the commanded position; the cut is paced by the feed, while the
// faster approach, retract and return are drawn in bigger steps played at the
// same per-point pace. Coordinates are view units (millimetres, X a radius).

#include "core/nc/single_pass_cycles.h"

#include <string_view>

#include "core/nc/stepped_run.h"
#include "core/text/read_number.h"

namespace zan {

namespace {

// A thread needs a lead of at least one millimetre: the pace is 100 divided
// by the whole millimetres of lead, and a lead of zero would never advance.
constexpr std::string_view kG33BadLead = "G33参数有误！";
constexpr std::string_view kG92BadLead = "G92参数有误！";
constexpr int kThreadPaceBase = 100;  // thread pace: this feed divided by the lead

// Steps of the faster moves, in millimetres: bigger steps at the same
// per-point pace stand for the higher speed.
constexpr float kApproachStep = 3.0f;  // G90/G94 approach
constexpr float kRetractStep = 1.0f;   // G90/G94 retract
constexpr float kReturnStepZ = 6.0f;   // G90 and G92 return along Z
constexpr float kReturnStepX = 5.0f;   // G94 return along X
constexpr float kThreadStep = 4.0f;    // G92 approach and retract

// A block whose lead cannot be cut is refused: the message, and a single point
// where the tool stands, so the block still has a path to play.
bool RefuseLead(PathContext& ctx, std::string_view message)
{
    ctx.alerts().Message(message);
    return ctx.Record(ctx.state().posZ, ctx.state().posX);
}

}  // namespace

// G90: in along X, cut along Z (a taper when R is given: R is a diameter
// difference, so X changes by R/2 over the cut), out along X, back along Z.
bool TurningCycle(PathContext& ctx, float z, float x, float r, int feed)
{
    ctx.Pace(feed);
    const float z0 = ctx.state().posZ;
    const float x0 = ctx.state().posX;
    const float depth = x0 - x;
    const float g = r / 2;
    const float cutX = x - g;
    return SteppedRun(ctx, {RunAxis::kX, x0, -kApproachStep, depth + g, cutX, z0}) &&
           LinearSteps(ctx, z0, cutX, z, x) &&
           SteppedRun(ctx, {RunAxis::kX, x, kRetractStep, depth, x0, z}) &&
           SteppedRun(ctx, {RunAxis::kZ, z, kReturnStepZ, z0 - z, z0, x0});
}

// G94: in along Z, cut along X (a taper when R is given: R shifts the cut's
// start in Z, unhalved), out along Z, back along X.
bool FacingCycle(PathContext& ctx, float z, float x, float r, int feed)
{
    ctx.Pace(feed);
    const float z0 = ctx.state().posZ;
    const float x0 = ctx.state().posX;
    const float depth = z0 - z;
    const float cutZ = z - r;
    return SteppedRun(ctx, {RunAxis::kZ, z0, -kApproachStep, depth + r, cutZ, x0}) &&
           LinearSteps(ctx, cutZ, x0, z, x) &&
           SteppedRun(ctx, {RunAxis::kZ, z, kRetractStep, depth, z0, x}) &&
           SteppedRun(ctx, {RunAxis::kX, x, kReturnStepX, x0 - x, x0, z0});
}

// G92: like G90, but the cut is a thread drawn in steps of one lead p and
// paced by the lead's whole millimetres (P1.5 plays as F100).
bool ThreadingCycle(PathContext& ctx, float z, float x, float p, float r)
{
    // Also catches P missing (-1.0) and leads below a millimetre.
    if (!(p >= 1.0f)) return RefuseLead(ctx, kG92BadLead);
    ctx.Pace(kThreadPaceBase / SaturatedInt(p));  // whole millimetres of the lead
    const float z0 = ctx.state().posZ;
    const float x0 = ctx.state().posX;
    const float depth = x0 - x;
    const float g = r / 2;
    const float cutX = x - g;
    return SteppedRun(ctx, {RunAxis::kX, x0, -kThreadStep, depth + g, cutX, z0}) &&
           LeadSteps(ctx, z0, cutX, z, x, p) &&
           SteppedRun(ctx, {RunAxis::kX, x, kThreadStep, depth, x0, z}) &&
           SteppedRun(ctx, {RunAxis::kZ, z, kReturnStepZ, z0 - z, z0, x0});
}

// G33: one thread move from the commanded position, in steps of one lead.
bool ThreadMove(PathContext& ctx, float z, float x, int p)
{
    if (p < 1) return RefuseLead(ctx, kG33BadLead);
    ctx.Pace(kThreadPaceBase / p);
    const float z0 = ctx.state().posZ;
    const float x0 = ctx.state().posX;
    return LeadSteps(ctx, z0, x0, z, x, static_cast<float>(p));
}

}  // namespace zan
