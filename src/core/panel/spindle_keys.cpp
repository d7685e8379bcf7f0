// The spindle keys (forward, stop, reverse) and the coolant key.

#include "core/panel/panel.h"

namespace zan {

// Only Manual drives the spindle from the keys. The machine refuses to start
// it while the chuck is released (and says so): the lamps then stay as they
// were. Forward redraws the status in every mode, stop and reverse only in
// Manual.
void Panel::SpindleKey(KeyId key, KeyPress)
{
    const bool manual = state_.mode == PanelMode::Manual;
    if (manual) {
        switch (key) {
        case KeyId::SpindleForward:
            if (bridge_.MachineCommand(MachineLetter::SpindleL) != 0) lamps_.Spindle(SpindleState::Forward);
            break;
        case KeyId::SpindleReverse:
            if (bridge_.MachineCommand(MachineLetter::SpindleR) != 0) lamps_.Spindle(SpindleState::Reverse);
            break;
        default:
            bridge_.MachineCommand(MachineLetter::SpindleStop);
            lamps_.Spindle(SpindleState::Stopped);
            break;
        }
    }
    if (manual || key == KeyId::SpindleForward) RefreshLcd(ScreenCode::SpindleOrFeed);
}

// Coolant is switched in Manual and Auto; its lamp shows it.
void Panel::CoolantKey(KeyId, KeyPress)
{
    if (state_.mode != PanelMode::Manual && state_.mode != PanelMode::Auto) return;
    state_.coolantOn = !state_.coolantOn;
    lamps_.Set(KeyId::Coolant, state_.coolantOn);
    bridge_.MachineCommand(MachineLetter::Coolant);
    RefreshLcd(ScreenCode::CoolantOrRapid);
}

}  // namespace zan
