// What the machine reads from the panel and asks of it: the overrides, the
// tool offsets, the window, the lamps and the LCD (the panel side of the
// panel events).

#include "core/panel/panel.h"

namespace zan {

namespace {

constexpr int kZRapidRate = 4;  // P05, steps per second at 100 % rapid override
constexpr int kXRapidRate = 5;  // P06
constexpr int kOffsetPairs = kOffsetCount / 2;  // tools 1..9

}  // namespace

PanelOverrides Panel::Overrides()
{
    return PanelOverrides{
        .feedPercent = state_.feedOverride,
        .rapidPercent = state_.rapidOverride,
        .rapidSelected = state_.rapidOn,
        .rapidRateZ = state_.parameters[kZRapidRate],
        .rapidRateX = state_.parameters[kXRapidRate],
    };
}

// Tool n's Z offset and its X offset (a radius); no offset for a tool the
// table does not have.
OffsetPair Panel::ToolOffset(int pair)
{
    if (pair < 1 || pair > kOffsetPairs) return OffsetPair{};
    const auto z = static_cast<std::size_t>(2 * (pair - 1));
    return OffsetPair{state_.offsets[z], state_.offsets[z + 1]};
}

// The read-out adds these, minus the applied offset, to the position.
void Panel::ShowOffset(float z, float x)
{
    state_.displayOffsetZ = z;
    state_.displayOffsetX = x;
}

// The first showing opens the panel in Edit, then the second key pad below
// it, and paints the LCD; later ones only bring the panel up again.
void Panel::ShowPanel()
{
    ports_.window.OpenPanel();
    if (windowOpen_) return;
    windowOpen_ = true;
    SwitchMode(PanelMode::Edit);
    fields_.Hide(FieldId::Prompt);
    ShowSecondKeyPad();
    Paint();
}

void Panel::ShowSecondKeyPad() { ports_.window.OpenSecondPad(); }

// The spindle as a program (M03, M04, M05) set it.
void Panel::ShowSpindle(int state)
{
    lamps_.Spindle(static_cast<SpindleState>(state));
    RefreshLcd(ScreenCode::Auto);
}

// The machine was reset: the step-size key acts, and the spindle lamps go
// out if the spindle stopped (a severe error stops the run, not the spindle).
void Panel::ResetKeys()
{
    RunKey(KeyId::StepSize, KeyPress::Up);
    if (lathe_.state.spindleState == static_cast<int>(SpindleState::Stopped)) lamps_.Spindle(SpindleState::Stopped);
}

void Panel::ShowRunLines() { auto_.ShowRunLines(); }
void Panel::ShowRunComplete() { auto_.ShowRunComplete(); }

void Panel::CycleStartLampOff() { lamps_.Set(KeyId::CycleStart, false); }

void Panel::ShowCoolant(bool on)
{
    state_.coolantOn = on;
    lamps_.Set(KeyId::Coolant, on);
}

// The tool moved a jog unit or a path step: only the Manual and Auto
// screens show where it is. During a run only the position display is
// drawn, so the title and the block lines stay as the keys and the last
// block left them.
void Panel::RefreshPosition()
{
    if (state_.mode == PanelMode::Auto || lathe_.state.runFlag) return DrawOver(DrawPositionOnly);
    if (state_.mode == PanelMode::Manual) RefreshLcd(ScreenCode::Jogged);
}

}  // namespace zan
