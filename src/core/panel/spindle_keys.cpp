// The spindle keys (forward, stop, reverse) and the coolant key.

#include "core/panel/manual_motion.h"

namespace zan {

// Only Manual drives the spindle from the keys. The machine refuses to start
// it while the chuck is released (and says so): the lamps then stay as they
// were. Forward redraws the status in every mode, stop and reverse only in
// Manual.
void ManualMotion::SpindleKey(KeyId key)
{
    const bool manual = c_.panel.mode == PanelMode::Manual;
    if (manual) {
        switch (key) {
        case KeyId::SpindleForward:
            if (c_.bridge.MachineCommand(MachineLetter::SpindleL) != 0) c_.lamps.Spindle(SpindleState::Forward);
            break;
        case KeyId::SpindleReverse:
            if (c_.bridge.MachineCommand(MachineLetter::SpindleR) != 0) c_.lamps.Spindle(SpindleState::Reverse);
            break;
        default:
            c_.bridge.MachineCommand(MachineLetter::SpindleStop);
            c_.lamps.Spindle(SpindleState::Stopped);
            break;
        }
    }
    if (manual || key == KeyId::SpindleForward) c_.host.RefreshLcd(ScreenCode::SpindleOrFeed);
}

// Coolant is switched in Manual and Auto; its lamp shows it.
void ManualMotion::CoolantKey()
{
    if (c_.panel.mode != PanelMode::Manual && c_.panel.mode != PanelMode::Auto) return;
    c_.panel.coolantOn = !c_.panel.coolantOn;
    c_.lamps.Set(KeyId::Coolant, c_.panel.coolantOn);
    c_.bridge.MachineCommand(MachineLetter::Coolant);
    c_.host.RefreshLcd(ScreenCode::CoolantOrRapid);
}

}  // namespace zan
