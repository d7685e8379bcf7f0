#pragma once
// Straight runs shared by the one-block cycles: a run along one axis in steps
// bigger than a unit (the fast approach, retract and return moves), a line in
// unit steps (the G01 rule, without pacing) and a line in steps of one thread
// lead.

#include "core/nc/path_context.h"

namespace zan {

// No run records more steps than this (a kilometre in unit steps, far past
// any travel limit), so an absurd target cannot keep a generator busy.
inline constexpr long kMaxRunSteps = 1000000;

enum class RunAxis { kZ, kX };

// Points at from + step, from + 2·step, ... along `axis` while the distance
// covered stays within `length`, the other axis held at `other`; then the
// corner. A length shorter than one step, or negative (the target lies behind
// the start), records the corner alone.
struct StraightRun {
    RunAxis axis;
    float from;    // start coordinate along the axis (view units)
    float step;    // signed: negative runs toward smaller coordinates
    float length;  // distance the run may cover
    float corner;  // coordinate along the axis where the run ends
    float other;   // the fixed coordinate of the other axis
};

// All return false as soon as a record is refused (a direct move stopped).
bool SteppedRun(PathContext& ctx, const StraightRun& run);

// Unit steps along the major axis from (z0, x0), the minor axis computed from
// the start point; then (z, x) exactly. The last unit step may pass the target
// by less than one unit.
bool LinearSteps(PathContext& ctx, float z0, float x0, float z, float x);

// Steps of `lead` (> 0) along the major axis, never past the target: the last
// one lies less than a lead before it; then (z, x) exactly.
bool LeadSteps(PathContext& ctx, float z0, float x0, float z, float x, float lead);

}  // namespace zan
