#pragma once
// The recorded path of the current block: generators record every unit step
// here and the run loop plays them back one per turn, with a pause before each.

#include <vector>

namespace zan {

struct PathPoint {
    float z = 0;  // column
    float x = 0;  // row (radius)
};

struct PathBuffer {
    static constexpr int kCapacity = 150000;

    // Allocated once for the life of the machine, so recording never allocates.
    std::vector<PathPoint> points = std::vector<PathPoint>(kCapacity);
    int writeIndex = 0;  // next slot to record; points recorded for this path
    int readIndex = 0;   // next slot to play
    int savedDrawnZ = 0;
    int savedDrawnX = 0;
    bool savePending = true;
};

}  // namespace zan
