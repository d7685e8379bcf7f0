#pragma once
// The only ways the machine reaches the outside world. The desktop program
// implements them with Qt; tests implement them with recording fakes.

#include <cstdint>
#include <string_view>

#include "core/lathe/display_port.h"

namespace zan {

// Modal messages. Texts are the controller's own Chinese texts (UTF-8).
class Alerts {
public:
    virtual ~Alerts() = default;
    virtual void Message(std::string_view text) = 0;
    // OK and Cancel; true only when the student chose OK.
    virtual bool Question(std::string_view text) = 0;
};

// The machine's time, in milliseconds from any fixed start. The front end
// owns it (the window's clock; a virtual clock in runs without a window).
// The machine never waits: what it must do later (the next paced step, the
// end of a dwell, the next jog step, the next turret frame, the end of the
// pause while the workpiece is turned round) it keeps with a due time on
// this clock and does when it is advanced at or after that time.
class Clock {
public:
    virtual ~Clock() = default;
    virtual std::int64_t NowMs() const = 0;
};

// What the machine reads from the operator panel.
struct PanelOverrides {
    int feedPercent = 100;
    int rapidPercent = 100;
    bool rapidSelected = false;  // the panel's rapid/feed switch is on rapid
    double rapidRateZ = 6000;    // rapid-rate parameters, steps per second at 100 %
    double rapidRateX = 6000;
};

struct OffsetPair {
    double z = 0;
    double x = 0;  // radius
};

// The panel-side half of the panel event bridge: lamps, the LCD and the
// panel's own key actions, plus the few values the machine reads from it.
class PanelLink {
public:
    virtual ~PanelLink() = default;

    virtual PanelOverrides Overrides() = 0;
    virtual OffsetPair ToolOffset(int pair) = 0;  // pair 1..9
    virtual void ShowOffset(float z, float x) = 0;

    virtual void ShowPanel() = 0;                  // the panel window appears
    virtual void ShowSecondKeyPad() = 0;
    virtual void ShowSpindle(int state) = 0;       // 0 stopped, 1 L, 2 R lamps
    virtual void ShowRunLines() = 0;               // executed and next block
    virtual void ShowRunComplete() = 0;            // "运行完毕"
    virtual void ResetKeys() = 0;                  // step-size key action, L and R lamps out
    virtual void CycleStartLampOff() = 0;
    virtual void ShowCoolant(bool on) = 0;
    virtual void RefreshPosition() = 0;            // coordinate read-out follows the tool

    virtual void PressEnter() = 0;
    virtual void PressCycleStart() = 0;
    virtual void PressFeedHold() = 0;
    virtual void PressSpindleToggle(bool spindleRunning) = 0;  // stop key if running, else L key
    virtual void PressRapidFeed() = 0;
};

// The outside world of one machine.
struct Ports {
    Alerts& alerts;
    Clock& clock;
    LatheDisplay& display;
    PanelLink& panel;
};

}  // namespace zan
