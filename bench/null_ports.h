#pragma once
// Ports that do nothing, so a benchmark measures the machine alone.

#include "lathe/lathe.h"

namespace zan::bench {

struct NullAlerts : Alerts {
    void Message(std::string_view) override {}
    bool Question(std::string_view) override { return true; }
};
struct NullClock : Clock {
    void Wait(int) override {}
};
struct NullDisplay : LatheDisplay {
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
struct NullPanel : PanelLink {
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

struct NullMachine {
    NullAlerts alerts;
    NullClock clock;
    NullDisplay display;
    NullPanel panel;
    Lathe lathe{Ports{alerts, clock, display, panel}, LatheOptions{}};
    NullMachine()
    {
        lathe.state.spindleState = 1;  // cutting allowed
        lathe.state.chuckOpen = false;
    }
};

}  // namespace zan::bench
