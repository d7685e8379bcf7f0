#pragma once
// A machine without a window: nothing is drawn and nothing waits. Part
// programs run to their end as cycle start runs them in automatic mode, with
// every stop resumed at once; messages go to a sink and questions are
// answered OK. Used by the headless runner, the fuzz target and the tests.

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "lathe/lathe.h"

namespace zan {

struct HeadlessSetup {
    ProgramFolder folder = ProgramFolder(".");
    int speedLevel = 0;              // the speed dialog's level, 0..4
    OffsetPair offsets[10] = {};     // tool offset pairs 1..9 (slot 0 unused)
    PanelOverrides overrides = {};   // override percentages and rapid rates
};

enum class RunEnd {
    Finished,   // the program ran to its end
    Alarm,      // a move was stopped: origin, travel or cutting refusal
    TurnLimit,  // still running after the allowed number of turns
};

class HeadlessMachine : Alerts, Clock, LatheDisplay, PanelLink, MoveObserver {
public:
    explicit HeadlessMachine(HeadlessSetup setup);
    ~HeadlessMachine() override;

    Lathe& lathe() { return *lathe_; }
    // Program text as a file holds it (CR LF or LF lines) into the LineTable.
    void LoadProgram(std::string_view text);
    RunEnd Run(long maxTurns);
    long turns() const { return turns_; }
    long blocks() const { return blocks_; }  // blocks executed (the panel's run display)
    long moves() const { return moves_; }    // MoveTool calls but redraws in place

    std::function<void(std::string_view)> onMessage;      // every message box and question
    std::function<void(float col, float row)> onMove;      // every move but a redraw in place

private:
    // Alerts
    void Message(std::string_view text) override;
    bool Question(std::string_view text) override;
    // Clock: nothing ever waits here.
    void Wait(int) override {}
    // LatheDisplay: nothing is drawn, but a severe error is noted.
    void EraseTool(const ToolErase&) override {}
    void FillReflected(const Polygon&, const Rect*) override {}
    void DrawTool(const ToolDrawing&) override {}
    void DrawTraceLine(Point, Point) override {}
    void DrawErrorText(std::string_view text) override;
    void RepaintUnderTool(const UnderTool&) override {}
    void Refresh(const Rect&) override {}
    void ShowTurretFrame(const TurretFrame&) override {}
    void FillBlack(const Rect&) override {}
    // PanelLink: the panel at start-up, with the set-up's offsets and overrides.
    PanelOverrides Overrides() override { return setup_.overrides; }
    OffsetPair ToolOffset(int pair) override;
    void ShowOffset(float, float) override {}
    void ShowPanel() override {}
    void ShowSecondKeyPad() override {}
    void ShowSpindle(int) override {}
    void ShowRunLines() override { ++blocks_; }
    void ShowRunComplete() override { finished_ = true; }
    void ResetKeys() override {}
    void CycleStartLampOff() override {}
    void ShowCoolant(bool) override {}
    void RefreshPosition() override {}
    void PressEnter() override {}
    void PressCycleStart() override {}
    void PressFeedHold() override {}
    void PressSpindleToggle(bool) override {}
    void PressRapidFeed() override {}
    // MoveObserver
    void OnMoveTool(float col, float row, int mode) override;

    HeadlessSetup setup_;
    std::unique_ptr<Lathe> lathe_;
    bool finished_ = false;
    bool alarm_ = false;
    long turns_ = 0;
    long blocks_ = 0;
    long moves_ = 0;
};

}  // namespace zan
