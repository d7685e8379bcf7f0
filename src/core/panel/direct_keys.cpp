// Keys the panel settles at once: reset, tool change, the handwheels and
// lubrication the trainer does not have, the jog/step selector, and the jog
// keys outside Manual.

#include "core/panel/panel.h"
#include "core/panel/panel_messages.h"

namespace zan {

// The machine asks before it initialises; the spindle lamps go out only if
// the spindle did stop (the student may have said no, or a program runs).
void Panel::ResetKey(KeyId, KeyPress)
{
    bridge_.MachineCommand(MachineLetter::Initialise);
    if (lathe_.state.spindleState == static_cast<int>(SpindleState::Stopped)) lamps_.Spindle(SpindleState::Stopped);
    RefreshLcd(ScreenOf(state_.mode));
}

// Only Manual turns the turret; the Manual screen is drawn in every mode.
void Panel::ToolChangeKey(KeyId, KeyPress)
{
    if (state_.mode == PanelMode::Manual) bridge_.MachineCommand(MachineLetter::NextTool);
    RefreshLcd(ScreenCode::Manual);
}

void Panel::HandwheelKey(KeyId, KeyPress) { ports_.alerts.Message(msg::kNotInstalled); }

// The trainer has no lubrication pump.
void Panel::LubricationKey(KeyId, KeyPress) {}

// After the checker reported an undefined G or M code the next press is
// swallowed; otherwise it switches Manual between jog and step.
void Panel::StepKey(KeyId, KeyPress)
{
    if (state_.skipNextStepKey) {
        state_.skipNextStepKey = false;
        return;
    }
    if (state_.mode != PanelMode::Manual) return;
    state_.jogSelector = !state_.jogSelector;
    RefreshLcd(ScreenCode::JogStepSwitched);
}

// Outside Manual the jog keys move nothing; the Z keys still redraw the LCD.
void Panel::JogKey(KeyId key, KeyPress press)
{
    if (state_.mode == PanelMode::Manual) return ManualJogKey(key, press);
    if (key == KeyId::JogZMinus || key == KeyId::JogZPlus) RefreshLcd(ScreenCode::Jogged);
}

}  // namespace zan
