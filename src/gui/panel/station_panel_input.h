#pragma once
// The panel windows' input delivered to the controller's operator panel,
// each a direct call: the machine is never inside a call of its own when an
// event arrives.

#include "gui/panel/panel_input.h"

namespace zan {
class Station;
}

namespace zan::gui {


class StationPanelInput : public PanelInput {
public:
    // The station must have its operator panel.
    explicit StationPanelInput(Station& station) : station_(station) {}

    void KeyDown(KeyId key) override;
    void KeyUp(KeyId key) override;
    void KeyCode(char code) override;
    void FieldChanged(FieldId id) override;
    void ReturnTyped() override;
    void FirstPaint() override;

private:
    Station& station_;
};

}  // namespace zan::gui
