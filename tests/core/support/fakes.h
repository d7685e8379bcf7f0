#pragma once
// Recording fakes of the machine's ports, and a rig that owns them together
// with a machine, so a test can say "this move showed 程序报警! and nothing moved".

#include <memory>
#include <string>
#include <vector>

#include "core/station/station.h"
#include "core/station/virtual_clock.h"

namespace zan::test {

struct RecordingAlerts : Alerts {
    std::vector<std::string> messages;
    std::vector<std::string> questions;
    bool answer = true;  // what every question is answered
    void Message(std::string_view text) override { messages.emplace_back(text); }
    bool Question(std::string_view text) override
    {
        questions.emplace_back(text);
        return answer;
    }
};

// A virtual clock that notes every wait it is moved over, in milliseconds.
struct RecordingClock : Clock {
    std::int64_t now = 0;
    std::vector<int> waits;  // in order
    std::int64_t NowMs() const override { return now; }
    void JumpTo(std::int64_t due)
    {
        if (due <= now) return;
        waits.push_back(static_cast<int>(due - now));
        now = due;
    }
};

// The turret frames and pauses an input left under way, passed at once.
inline void Settle(Station& station, RecordingClock& clock) { SettleAtOnce(station.lathe, clock); }

// Records every call as a short line, e.g. "refresh 0 0 1024 768".
struct RecordingDisplay : LatheDisplay {
    std::vector<std::string> calls;
    std::vector<TurretFrame> frames;
    std::vector<ToolDrawing> tools;
    std::vector<UnderTool> underTool;
    void EraseTool(const ToolErase&) override { calls.push_back("erase"); }
    void FillReflected(const Polygon&, const Rect*) override { calls.push_back("reflect"); }
    void DrawTool(const ToolDrawing& tool) override
    {
        tools.push_back(tool);
        calls.push_back("tool");
    }
    void DrawTraceLine(Point a, Point b) override;
    void DrawErrorText(std::string_view text) override { calls.push_back("text " + std::string(text)); }
    void RepaintUnderTool(const UnderTool& under) override
    {
        underTool.push_back(under);
        calls.push_back("under");
    }
    void Refresh(const Rect& r) override;
    void ShowTurretFrame(const TurretFrame& frame) override
    {
        frames.push_back(frame);
        calls.push_back("frame " + frame.name);
    }
    void FillBlack(const Rect& r) override;
    int count(const std::string& prefix) const;
};

struct RecordingPanel : PanelLink {
    std::vector<std::string> calls;
    PanelOverrides overrides;
    OffsetPair offsets[10];
    float shownZ = 0, shownX = 0;
    PanelOverrides Overrides() override { return overrides; }
    OffsetPair ToolOffset(int pair) override { return offsets[pair]; }
    void ShowOffset(float z, float x) override { shownZ = z, shownX = x; }
    void ShowPanel() override { calls.push_back("panel"); }
    void ShowSecondKeyPad() override { calls.push_back("keypad"); }
    void ShowSpindle(int state) override { calls.push_back("spindle " + std::to_string(state)); }
    void ShowRunLines() override { calls.push_back("run lines"); }
    void ShowRunComplete() override { calls.push_back("run complete"); }
    void ResetKeys() override { calls.push_back("reset keys"); }
    void CycleStartLampOff() override { calls.push_back("cycle lamp off"); }
    void ShowCoolant(bool on) override { calls.push_back(on ? "coolant on" : "coolant off"); }
    void RefreshPosition() override { ++positionRefreshes; }
    void PressEnter() override { calls.push_back("enter"); }
    void PressCycleStart() override { calls.push_back("cycle start"); }
    void PressFeedHold() override { calls.push_back("feed hold"); }
    void PressSpindleToggle(bool running) override { calls.push_back(running ? "spindle stop key" : "spindle L key"); }
    void PressRapidFeed() override { calls.push_back("rapid feed"); }
    int positionRefreshes = 0;
};

// A machine with recording ports. The spindle is started and the chuck clamped
// unless a test says otherwise, so moves over the blank cut.
struct Rig {
    explicit Rig(StationOptions options = {});
    RecordingAlerts alerts;
    RecordingClock clock;
    RecordingDisplay display;
    RecordingPanel panel;
    std::unique_ptr<Station> station;
    Lathe* lathe = nullptr;  // the station's
    LatheState& s() { return lathe->state; }
    void Cutting();  // spindle running, chuck clamped
    void Settle() { test::Settle(*station, clock); }
    TurnResult Turn() { return TurnAtOnce(*station, clock); }
};

}  // namespace zan::test
