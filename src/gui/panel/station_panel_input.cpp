#include "gui/panel/station_panel_input.h"

#include <QTimer>

#include "core/station/station.h"

namespace zan::gui {

void StationPanelInput::KeyDown(KeyId key)
{
    station_.panel()->KeyDown(key);
}

void StationPanelInput::KeyUp(KeyId key)
{
    station_.panel()->KeyUp(key);
}

// The panel's answer (done, refused, unknown code) is of no use to the pad.
void StationPanelInput::KeyCode(char code)
{
    station_.panel()->KeyCode(code);
}

void StationPanelInput::FieldChanged(FieldId id)
{
    station_.panel()->FieldChanged(id);
}

void StationPanelInput::ReturnTyped()
{
    station_.PanelEvent(PanelEventCode::PressEnter);
}

// The panel window first shows while the view's first repaint is opening
// it: its first paint runs when that call has returned, not inside it.
void StationPanelInput::FirstPaint()
{
    QTimer::singleShot(0, [this] { station_.panel()->Paint(); });
}

}  // namespace zan::gui
