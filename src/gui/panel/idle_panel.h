#pragma once
// Stands in for the operator panel until it exists: the values it would hold
// at start-up, and no lamps or screen to update.

#include "lathe/ports.h"

namespace zan::gui {

class IdlePanel : public PanelLink {
public:
    PanelOverrides Overrides() override { return {}; }
    OffsetPair ToolOffset(int) override { return {}; }
    void ShowOffset(float, float) override {}
    void ShowPanel() override {}
    void ShowSecondKeyPad() override {}
    void ShowSpindle(int) override {}
    void ShowRunLines() override {}
    void ShowRunComplete() override {}
    void ResetKeys() override {}
    void CycleStartLampOff() override {}
    void ShowCoolant(bool) override {}
    void RefreshPosition() override {}
    void PressEnter() override {}
    void PressCycleStart() override {}
    void PressFeedHold() override {}
    void PressSpindleToggle(bool) override {}
    void PressRapidFeed() override {}
};

}  // namespace zan::gui
