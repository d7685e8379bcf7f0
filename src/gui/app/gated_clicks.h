#pragma once
// Mouse clicks on the lathe view act on the machine (measuring), so they are
// commands like any other: a click given while the machine waits inside a
// call is held and delivered as soon as that call has returned.

#include <QObject>

namespace zan::gui {

class CoreGate;

class GatedClicks : public QObject {
public:
    // Watches the widget's clicks; the filter belongs to the widget.
    GatedClicks(CoreGate& gate, QObject* watched);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CoreGate& gate_;
    bool delivering_ = false;  // the click now passing is one the gate let through
};

}  // namespace zan::gui
