// The machine's own halves of the panel events and machine commands: tool
// offsets, override factors, jog rates, spindle and coolant. The controller's
// owner dispatches the codes and letters to them.

#include <algorithm>

#include "core/lathe/lathe.h"
#include "core/lathe/messages.h"

namespace zan {

namespace {

constexpr Rect kChuckArea{0, 98, 154, 378};

// (int) of a panel parameter that stays defined for absurd values.
int RateOf(double parameter) { return static_cast<int>(std::clamp(parameter, -1.0e6, 1.0e6)); }

}  // namespace

void Lathe::ApplyOffset(int pair)
{
    const OffsetPair offset = ports.panel.ToolOffset(pair);
    state.offsetZ = static_cast<float>(offset.z);
    state.offsetX = static_cast<float>(offset.x);
    ports.panel.ShowOffset(-state.offsetZ, -state.offsetX);
    MoveTool(state.posZ + state.offsetZ, state.posX + state.offsetX, MoveMode::Cut);
}

void Lathe::ClearOffset()
{
    state.offsetZ = state.offsetX = 0.0f;
    ports.panel.ShowOffset(0.0f, 0.0f);
}

// Moving by the difference keeps the tool's edge where it was relative to
// the applied offset: changing offsets never adds one onto another.
void Lathe::ChangeOffset(int pair)
{
    const OffsetPair offset = pair == 0 ? OffsetPair{} : ports.panel.ToolOffset(pair);
    const auto z = static_cast<float>(offset.z);
    const auto x = static_cast<float>(offset.x);
    ports.panel.ShowOffset(-z, -x);
    MoveTool(state.posZ + (z - state.offsetZ), state.posX + (x - state.offsetX), MoveMode::Cut);
    state.offsetZ = z;
    state.offsetX = x;
}

// A percentage of 0 leaves its factor as it was.
void Lathe::ApplyOverrides()
{
    const PanelOverrides o = ports.panel.Overrides();
    if (o.feedPercent != 0) state.feedFactor = o.feedPercent * 0.01f;
    if (o.rapidPercent != 0) state.rapidFactor = o.rapidPercent * 0.01f;
}

// Jog rates in steps per second: the rapid-rate parameters scaled by the rapid
// override when rapid is selected, else 30 steps per second at 100 % feed.
void Lathe::UpdateJogRates()
{
    const PanelOverrides o = ports.panel.Overrides();
    if (o.rapidSelected) {
        state.jogRateZ = RateOf(o.rapidRateZ) * o.rapidPercent / 100;
        state.jogRateX = RateOf(o.rapidRateX) * o.rapidPercent / 100;
    } else {
        state.jogRateZ = state.jogRateX = o.feedPercent * 30 / 100;
    }
}

// The spindle may not start while the chuck is released.
int Lathe::StartSpindle(MachineLetter letter)
{
    if (state.chuckOpen) {
        ports.alerts.Message(msg::kNotClamped);
        return 0;
    }
    state.spindleState = letter == MachineLetter::SpindleL ? 1 : 2;
    ports.display.Refresh(kChuckArea);
    return 1;
}

void Lathe::StopSpindle()
{
    state.spindleState = 0;
    ports.display.Refresh(kChuckArea);
}

void Lathe::ToggleCoolant()
{
    state.coolantOn = !state.coolantOn;
    MoveTool(state.posZ, state.posX, MoveMode::Cut);
    RefreshArea(Region::Nozzle);
}

}  // namespace zan
