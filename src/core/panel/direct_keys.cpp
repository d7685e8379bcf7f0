// Keys the panel settles at once: reset, tool change, the handwheels the
// trainer does not have, and cycle start, which gives a move typed in
// Manual its turn before the run.

#include "core/panel/panel.h"
#include "core/panel/panel_messages.h"

namespace zan {

// The machine asks before it initialises; the spindle lamps go out only if
// the spindle did stop (the student may have said no, or a program runs).
void Panel::ResetKey()
{
    bridge_.MachineCommand(MachineLetter::Initialise);
    if (lathe_.state.spindleState == static_cast<int>(SpindleState::Stopped)) lamps_.Spindle(SpindleState::Stopped);
    RefreshLcd(ScreenOf(state_.mode));
}

// Only Manual turns the turret; the Manual screen is drawn in every mode.
void Panel::ToolChangeKey()
{
    if (state_.mode == PanelMode::Manual) bridge_.MachineCommand(MachineLetter::NextTool);
    RefreshLcd(ScreenCode::Manual);
}

void Panel::HandwheelKey() { ports_.alerts.Message(msg::kNotInstalled); }

// Cycle start carries out a move typed in Manual, in any mode; otherwise it
// is Auto's.
void Panel::CycleStartKey()
{
    if (manual_.RunTypedMove()) return;
    auto_.CycleStart();
}

}  // namespace zan
