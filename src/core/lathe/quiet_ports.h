#pragma once
// Ports that do nothing: a panel with its start-up values and no lamps or
// screen, a display that draws nothing. Machines without a window (the
// headless runner, benchmarks) use them, or override only what they need.

#include "core/lathe/ports.h"

namespace zan {

class QuietPanel : public PanelLink {
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

class QuietDisplay : public LatheDisplay {
public:
    void EraseTool(const ToolErase&) override {}
    void FillReflected(const Polygon&, const Rect*) override {}
    void DrawTool(const ToolDrawing&) override {}
    void DrawTraceLine(Point, Point) override {}
    void DrawErrorText(std::string_view) override {}
    void RepaintUnderTool(const UnderTool&) override {}
    void Refresh(const Rect&) override {}
    void ShowTurretFrame(const TurretFrame&) override {}
    void FillBlack(const Rect&) override {}
};

}  // namespace zan
