#pragma once
// Drives the machine from the window's event loop. One timer: each time it
// fires the machine does the work that is due (a block, paced points, a jog
// step, a turret frame) within a few milliseconds, and says when more is
// due; the timer is armed for then. The machine never waits, so the window
// is never held up longer than that budget and every input is a direct call.

#include <QObject>
#include <QTimer>
#include <cstdint>
#include <optional>

namespace zan {
class Clock;
class Station;
}  // namespace zan

namespace zan::gui {

class RunLoop : public QObject {
    Q_OBJECT
public:
    RunLoop(Station& station, Clock& clock, QObject* parent = nullptr);
    void Start();
    void Stop();
    // Does the work that is due now. Skipped (false) while a modal box or
    // dialog is open: a program must not run on behind a question.
    bool Turn();
    // When the machine next has work: nullopt while nothing runs.
    std::optional<std::int64_t> nextDue() const { return next_; }

private:
    void OnTimer();

    Station& station_;
    Clock& clock_;
    QTimer timer_;
    std::optional<std::int64_t> next_;
    bool active_ = false;
};

}  // namespace zan::gui
