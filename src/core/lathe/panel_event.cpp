// PanelEvent: the numbered entry point through which the panel, the menus and
// the interpreter reach either side of the machine. The view-side codes act
// here; the panel-side ones are handed to the panel link.

#include <algorithm>

#include "core/lathe/lathe.h"

namespace zan {

namespace {

// (int) of a panel parameter that stays defined for absurd values.
int RateOf(double parameter) { return static_cast<int>(std::clamp(parameter, -1.0e6, 1.0e6)); }

}  // namespace

void Lathe::PanelEvent(int code)
{
    PanelLink& panel = ports.panel;
    if (code > 20 && code < 30) ApplyOffset(code - 20);
    if (code == 20) {
        state.offsetZ = state.offsetX = 0.0f;
        panel.ShowOffset(0.0f, 0.0f);
    }
    switch (code) {
    case 0: panel.ShowPanel(); break;
    case 3: panel.ShowSpindle(1); break;
    case 4: panel.ShowSpindle(2); break;
    case 5: panel.ShowSpindle(0); break;
    case 6: panel.ShowRunLines(); break;
    case 7: panel.ShowRunComplete(); break;
    case 11:
        panel.ResetKeys();
        state.runFlag = false;
        state.lineTable.Clear();
        state.lineIndex = 0;
        motion.PathStep(state.posZ, state.posX, kPathClear);
        interpreter.ExecuteNextBlock(false);
        break;
    case 30: {
        const PanelOverrides o = panel.Overrides();
        if (o.feedPercent != 0) state.feedFactor = o.feedPercent * 0.01f;
        if (o.rapidPercent != 0) state.rapidFactor = o.rapidPercent * 0.01f;
        break;
    }
    case 31: panel.CycleStartLampOff(); break;
    case 32: panel.PressEnter(); break;
    case 33: panel.PressCycleStart(); break;
    case 34: panel.PressFeedHold(); break;
    case 35: panel.PressSpindleToggle(state.spindleState != 0); break;
    case 36: panel.PressRapidFeed(); break;
    case 40: panel.ShowCoolant(true); break;
    case 41: panel.ShowCoolant(false); break;
    case 48: panel.ShowSecondKeyPad(); break;
    case 87:
        UpdateJogRates();
        panel.RefreshPosition();
        break;
    default: break;  // codes without an action, and anything outside 0..87
    }
}

// Offset pair n becomes the active offset and the tool moves by it.
void Lathe::ApplyOffset(int pair)
{
    const OffsetPair offset = ports.panel.ToolOffset(pair);
    state.offsetZ = static_cast<float>(offset.z);
    state.offsetX = static_cast<float>(offset.x);
    ports.panel.ShowOffset(-state.offsetZ, -state.offsetX);
    MoveTool(state.posZ + state.offsetZ, state.posX + state.offsetX, kMoveCut);
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

}  // namespace zan
