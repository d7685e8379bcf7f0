#pragma once
// Time for runs without a window (the runner, key scripts, grading, tests):
// a clock that stands still until a turn must wait, and then jumps to the
// end of the wait, so that a run goes as fast as the processor allows and
// does, turn by turn, exactly what it does in the window.

#include <algorithm>
#include <cstdint>

#include "core/lathe/ports.h"
#include "core/station/station.h"

namespace zan {

class VirtualClock : public Clock {
public:
    std::int64_t NowMs() const override { return now_; }
    void JumpTo(std::int64_t ms) { now_ = std::max(now_, ms); }

private:
    std::int64_t now_ = 0;
};

// One whole turn of the run loop: every wait within it passes at once
// (`clock` is the station's own virtual clock).
template <class VirtualTime>
TurnResult TurnAtOnce(Station& station, VirtualTime& clock)
{
    TurnResult turn = station.Turn();
    while (turn.kind == TurnResult::Kind::Waiting) {
        clock.JumpTo(turn.due);
        turn = station.Turn();
    }
    return turn;
}

// What the machine does by itself after an input (turret frames, the
// workpiece turned round), every wait passed at once.
template <class VirtualTime>
void SettleAtOnce(Lathe& lathe, VirtualTime& clock)
{
    while (const auto due = lathe.BusyUntil()) {
        clock.JumpTo(*due);
        lathe.Advance(clock.NowMs());
    }
}

}  // namespace zan
