#pragma once
// Waits of the machine (step pacing, dwell, turret frames, the pause while the
// workpiece is turned round). A wait does not freeze the window: it serves the
// window's events until the time is up, so the lathe keeps repainting - a
// turret frame stays on screen for its whole 500 ms - and the menu and the
// toolbar still answer. Commands given meanwhile wait at the CoreGate.

#include <functional>

#include "core/lathe/ports.h"

namespace zan::gui {

// Serves the window's events for the given time, then returns.
void ServeEventsFor(int milliseconds);

class RunLoopClock : public Clock {
public:
    using Waiter = std::function<void(int milliseconds)>;

    // Without a waiter the clock serves the window's events (ServeEventsFor).
    explicit RunLoopClock(Waiter waiter = {});

    void Wait(int milliseconds) override;

    // The program is ending: every wait from now on returns at once, so the
    // machine's call in progress comes back quickly.
    void Stop() { stopped_ = true; }

private:
    Waiter waiter_;
    bool stopped_ = false;
};

}  // namespace zan::gui
