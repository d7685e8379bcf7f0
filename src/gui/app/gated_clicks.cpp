#include "gui/app/gated_clicks.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <memory>

#include "gui/app/core_gate.h"

namespace zan::gui {

namespace {
bool IsClick(QEvent::Type type)
{
    return type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease ||
           type == QEvent::MouseButtonDblClick;
}
}  // namespace

GatedClicks::GatedClicks(CoreGate& gate, QObject* watched) : QObject(watched), gate_(gate)
{
    watched->installEventFilter(this);
}

bool GatedClicks::eventFilter(QObject* watched, QEvent* event)
{
    if (delivering_ || !IsClick(event->type())) return false;
    std::shared_ptr<QEvent> click(event->clone());
    QPointer<QObject> target(watched);
    gate_.Run([this, click, target] {
        if (target.isNull()) return;
        delivering_ = true;
        QCoreApplication::sendEvent(target, click.get());
        delivering_ = false;
    });
    return true;  // the original is replaced by the copy the gate delivers
}

}  // namespace zan::gui
