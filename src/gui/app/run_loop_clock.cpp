#include "gui/app/run_loop_clock.h"

#include <QEventLoop>
#include <QTimer>
#include <utility>

namespace zan::gui {

void ServeEventsFor(int milliseconds)
{
    QEventLoop loop;
    QTimer timer;
    // Step pacing is counted in milliseconds: a coarse timer would stretch a
    // 10 ms rapid step by up to 5 %.
    timer.setTimerType(Qt::PreciseTimer);
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    timer.start(milliseconds);
    loop.exec();
}

RunLoopClock::RunLoopClock(Waiter waiter) : waiter_(std::move(waiter))
{
    if (!waiter_) waiter_ = ServeEventsFor;
}

void RunLoopClock::Wait(int milliseconds)
{
    // A negative time (a negative dwell) must not block either.
    if (stopped_ || milliseconds <= 0) return;
    waiter_(milliseconds);
}

}  // namespace zan::gui
