#include "gui/app/run_loop.h"

#include <QApplication>

#include "gui/app/core_gate.h"
#include "core/station/station.h"

namespace zan::gui {

namespace {
// The hook's idle count: above 2, so that jogging and program runs proceed.
constexpr int kIdleTurn = 3;
// While nothing moves the loop only looks now and then whether something
// started; a run or a jog is served as fast as its own pacing allows.
constexpr int kIdlePollMs = 15;
}  // namespace

RunLoop::RunLoop(Station& station, CoreGate& gate, QObject* parent)
    : QObject(parent), station_(station), gate_(gate)
{
    connect(&timer_, &QTimer::timeout, this, &RunLoop::OnTimer);
}

void RunLoop::Start()
{
    active_ = true;
    timer_.start(kIdlePollMs);
}

void RunLoop::Stop()
{
    active_ = false;
    timer_.stop();
}

bool RunLoop::Turn()
{
    if (gate_.Busy() || QApplication::activeModalWidget() != nullptr) return false;
    gate_.Run([this] { station_.OnIdle(kIdleTurn); });
    return true;
}

void RunLoop::OnTimer()
{
    // The timer rests while the turn runs: the turn's own pacing waits serve
    // the window's events, and a running timer would spin through them.
    timer_.stop();
    const bool ran = Turn();
    const bool moving = ran && (station_.lathe.state.runFlag || station_.lathe.state.jogActive);
    if (active_) timer_.start(moving ? 0 : kIdlePollMs);
}

}  // namespace zan::gui
