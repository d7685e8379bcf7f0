#pragma once
// The path of a multi-pass cycle (stock removal G71/G72, pecking G74/G75).
// Such a cycle can make any number of points: a tiny depth of cut or peck
// turns a few millimetres into millions of passes. So each cycle is generated
// twice, first only counting its points and then, if it stays within a
// million points, recording them; a cycle over that is refused before it has
// moved anything.

#include <functional>
#include <string_view>

#include "core/nc/path_context.h"

namespace zan {

// A stepped run: points at step, 2 step, 3 step, ... from `from` in the
// direction `dir` (+1 or -1) for as long as the multiple does not exceed
// `length`, then the exact `end`. A length below one step gives the end only.
struct CycleRun {
    float from;
    float dir;
    float step;
    float length;
    float end;
};
inline CycleRun RunUp(float from, float step, float length, float end) { return {from, 1.0f, step, length, end}; }
inline CycleRun RunDown(float from, float step, float length, float end) { return {from, -1.0f, step, length, end}; }

// Points in the cycle's own frame (u, v): u is Z and v is X, unless the frame
// is turned by a right angle (G72, G75), where u is X and v is Z.
class CyclePath {
public:
    static constexpr long kMaxPoints = 1000000;

    CyclePath(PathContext& ctx, bool turned, bool recording) : ctx_(ctx), turned_(turned), recording_(recording) {}

    // False when the move was refused (direct mode) or the cycle has grown
    // past kMaxPoints: the cycle then stops at once.
    bool Point(float u, float v);
    bool AlongU(float v, const CycleRun& run);  // u runs, v stays
    bool AlongV(float u, const CycleRun& run);  // v runs, u stays

private:
    PathContext& ctx_;
    bool turned_;
    bool recording_;
    long points_ = 0;
};

using CycleGenerator = std::function<bool(CyclePath&)>;

// Paces at `feed` and records the cycle. A cycle that would make more than
// kMaxPoints points is refused with `message`. False when it was refused or
// a move was refused.
bool GenerateCycle(PathContext& ctx, bool turned, int feed, std::string_view message, const CycleGenerator& cycle);

// A cycle refused for its parameters: the message, and a null point at the
// commanded position so the block still has a point to play (and single-block
// mode still stops after it). Always false: the cycle did not run.
bool RefuseCycle(PathContext& ctx, std::string_view message);

}  // namespace zan
