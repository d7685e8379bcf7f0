#pragma once
// The one door into the machine. The machine is not re-entrant: while one of
// its calls waits (step pacing, a turret frame, a dwell) the window keeps
// serving the student, so a menu command could otherwise start a second call
// in the middle of the first. Commands that arrive while the machine is busy
// are kept in order and run as soon as the call in progress has returned.

#include <cstddef>
#include <deque>
#include <functional>

namespace zan::gui {

class CoreGate {
public:
    using Command = std::function<void()>;

    // Runs the command now, or after the machine's current call when it is busy.
    void Run(Command command);

    bool Busy() const { return busy_; }
    std::size_t Pending() const { return queue_.size(); }

private:
    bool busy_ = false;
    std::deque<Command> queue_;
};

}  // namespace zan::gui
