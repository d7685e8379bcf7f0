#pragma once
// What a motion generator (arcs, cycles) works with: the machine's commanded
// position, the path recorder and pacing, and the message boxes.

#include "core/lathe/lathe.h"
#include "core/nc/motion.h"

namespace zan {

struct PathContext {
    Lathe& lathe;
    Motion& path;

    LatheState& state() { return lathe.state; }
    Motion& motion() { return path; }
    Alerts& alerts() { return lathe.ports.alerts; }
    // Records one point of the path; false when a direct move was refused.
    bool Record(float z, float x) { return path.PathStep(z, x, PathMode::Record); }
    void Pace(int feed) { path.Pace(feed); }
};

}  // namespace zan
