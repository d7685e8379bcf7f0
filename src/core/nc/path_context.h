#pragma once
// What a motion generator (arcs, cycles) works with: the machine's commanded
// position, the path recorder and pacing, and the message boxes.

#include "core/lathe/lathe.h"

namespace zan {

struct PathContext {
    Lathe& lathe;

    LatheState& state() { return lathe.state; }
    Motion& motion() { return lathe.motion; }
    Alerts& alerts() { return lathe.ports.alerts; }
    // Records one point of the path; false when a direct move was refused.
    bool Record(float z, float x) { return lathe.motion.PathStep(z, x, kPathRecord); }
    void Pace(int feed) { lathe.motion.Pace(feed); }
};

}  // namespace zan
