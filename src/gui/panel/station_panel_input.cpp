#include "gui/panel/station_panel_input.h"

#include "core/station/station.h"
#include "gui/app/core_gate.h"

namespace zan::gui {

void StationPanelInput::KeyDown(KeyId key)
{
    gate_.Run([this, key] { station_.panel()->KeyDown(key); });
}

void StationPanelInput::KeyUp(KeyId key)
{
    gate_.Run([this, key] { station_.panel()->KeyUp(key); });
}

// The panel's answer (done, refused, unknown code) is of no use to the pad.
void StationPanelInput::KeyCode(char code)
{
    gate_.Run([this, code] { station_.panel()->KeyCode(code); });
}

void StationPanelInput::FieldChanged(FieldId id)
{
    gate_.Run([this, id] { station_.panel()->FieldChanged(id); });
}

void StationPanelInput::ReturnTyped()
{
    gate_.Run([this] { station_.PanelEvent(PanelEventCode::PressEnter); });
}

void StationPanelInput::FirstPaint()
{
    gate_.Run([this] { station_.panel()->Paint(); });
}

}  // namespace zan::gui
