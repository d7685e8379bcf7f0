#pragma once
// The panel windows' input delivered to the controller's operator panel,
// each through the CoreGate: a key clicked while the machine waits inside a
// call acts as soon as that call has returned.

#include "gui/panel/panel_input.h"

namespace zan {
class Station;
}

namespace zan::gui {

class CoreGate;

class StationPanelInput : public PanelInput {
public:
    // The station must have its operator panel.
    StationPanelInput(Station& station, CoreGate& gate) : station_(station), gate_(gate) {}

    void KeyDown(KeyId key) override;
    void KeyUp(KeyId key) override;
    void KeyCode(char code) override;
    void FieldChanged(FieldId id) override;
    void ReturnTyped() override;
    void FirstPaint() override;

private:
    Station& station_;
    CoreGate& gate_;
};

}  // namespace zan::gui
