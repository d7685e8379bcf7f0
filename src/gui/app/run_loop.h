#pragma once
// Drives the machine from the window's event loop: each turn calls the
// interpreter's idle hook once, which executes the next block or plays one
// point of the recorded path (paced by the machine's own waits). Blocks run on
// the interface thread, between the window's events.

#include <QObject>
#include <QTimer>

namespace zan {
class Station;
}

namespace zan::gui {

class CoreGate;

class RunLoop : public QObject {
    Q_OBJECT
public:
    RunLoop(Station& station, CoreGate& gate, QObject* parent = nullptr);

    void Start();
    void Stop();

    // One turn. Skipped (false) while the machine is inside a call or a modal
    // box or dialog is open: a program must not run on behind a question.
    bool Turn();

private:
    void OnTimer();

    Station& station_;
    CoreGate& gate_;
    QTimer timer_;
    bool active_ = false;
};

}  // namespace zan::gui
