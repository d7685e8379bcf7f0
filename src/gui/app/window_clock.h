#pragma once
// The machine's time in the window: milliseconds since the window opened,
// from a monotonic clock (a change of the desktop's time does not jump it).

#include <QElapsedTimer>

#include "core/lathe/ports.h"

namespace zan::gui {

class WindowClock : public Clock {
public:
    WindowClock() { timer_.start(); }
    std::int64_t NowMs() const override { return timer_.elapsed(); }

private:
    QElapsedTimer timer_;
};

}  // namespace zan::gui
