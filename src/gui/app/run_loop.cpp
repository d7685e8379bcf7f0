#include "gui/app/run_loop.h"

#include <QApplication>
#include <algorithm>

#include "core/station/station.h"

namespace zan::gui {

namespace {

// The machine's share of the window's time per turn of the event loop, ms:
// the window answers the student within about this much.
constexpr int kBudgetMs = 4;
// While nothing moves the loop only looks now and then whether an input
// started something.
constexpr int kIdlePollMs = 15;

}  // namespace

RunLoop::RunLoop(Station& station, Clock& clock, QObject* parent) : QObject(parent), station_(station), clock_(clock)
{
    // A paced step is counted in milliseconds: a coarse timer would stretch
    // a 10 ms rapid step by up to 5 %.
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &RunLoop::OnTimer);
}

void RunLoop::Start()
{
    active_ = true;
    timer_.start(0);
}

void RunLoop::Stop()
{
    active_ = false;
    timer_.stop();
}

bool RunLoop::Turn()
{
    if (QApplication::activeModalWidget() != nullptr) return false;
    next_ = station_.Advance(kBudgetMs);
    return true;
}

void RunLoop::OnTimer()
{
    const bool turned = Turn();
    if (!active_) return;
    if (!turned || !next_) return timer_.start(kIdlePollMs);
    const std::int64_t wait = *next_ - clock_.NowMs();
    timer_.start(static_cast<int>(std::clamp<std::int64_t>(wait, 0, kIdlePollMs)));
}

}  // namespace zan::gui
