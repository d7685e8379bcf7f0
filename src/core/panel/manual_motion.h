#pragma once
// The machine keys of Manual: jogging and stepping on the four direction
// keys, jog or step, the step size, rapid traverse, the feed and rapid
// overrides (also in Auto), the returns to the reference point and machine
// zero, the spindle keys and coolant. This part owns the step clicks and
// the step key the checker swallows; the overrides, step size and rapid are
// shared (the LCD shows them, the machine reads them).

#include <array>

#include "core/lathe/codes.h"
#include "core/lathe/lathe_state.h"
#include "core/lathe/ports.h"
#include "core/panel/panel_host.h"
#include "core/panel/panel_lamps.h"
#include "core/panel/panel_state.h"

namespace zan {

struct MotionContext {
    PanelState& panel;
    LatheState& machine;
    MachineBridge& bridge;
    Alerts& alerts;
    PanelLamps& lamps;
    PanelHost& host;
};

class ManualMotion {
public:
    explicit ManualMotion(MotionContext context) : c_(context) {}

    void JogKey(KeyId key, KeyPress press);
    // The jog/step selector; after the checker reported an undefined G or M
    // code the next press is swallowed.
    void StepKey();
    void SkipNextStepKey() { skipNextStepKey_ = true; }
    void StepSizeKey();
    void RapidKey();
    void OverrideKey(KeyId key);
    void ReferenceKey(KeyId key);
    void SpindleKey(KeyId key);
    void CoolantKey();

private:
    void ManualJogKey(KeyId key, KeyPress press);
    void StartJog(KeyId key);
    void StepOnce(KeyId key);

    MotionContext c_;
    // A mouse click on a jog key reports twice, and only every second
    // report steps. One flag per jog key (X-, Z-, Z+, X+), kept for the life
    // of the panel.
    std::array<bool, 4> stepArmed_{};
    bool skipNextStepKey_ = false;  // the checker reported an undefined G or M code
};

}  // namespace zan
