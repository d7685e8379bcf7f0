// Tool selection: the turret turns forward to the new station, then the new
// tool is drawn in place. The station changes at once; the drawing waits for
// the turret's animation to end.

#include "core/lathe/lathe.h"
#include "core/lathe/messages.h"
#include "core/lathe/tool_shapes.h"

namespace zan {

void Lathe::SelectTool(int station)
{
    // Station 2 may be chosen while a program runs; the others may not.
    if (station != 2 && state.runFlag) {
        ports.alerts.Message(msg::kLatheRunning);
        return;
    }
    const int from = state.toolStation;
    state.toolStation = station;
    turret.TurnTurret(from, station, [this, station] {
        MoveTool(0.0f, 0.0f, MoveMode::Redraw);
        if (station == 2) RefreshArea(Region::ToolTwo);
    });
}

int Lathe::SelectCustomTool()
{
    const int previous = state.toolStation;
    state.toolStation = kCustomStation;
    return previous;
}

// A custom tool without a shape cannot cut: mounted, every program would
// run to its end and cut nothing, without a word.
void Lathe::EndCustomTool(int previousStation, bool kept)
{
    if (kept && CustomToolHasShape(state.custom)) return;
    const bool previousCuts = previousStation != kCustomStation || CustomToolHasShape(state.custom);
    state.toolStation = previousCuts ? previousStation : 1;
    MoveTool(0.0f, 0.0f, MoveMode::Redraw);
}

void Lathe::NextTool()
{
    const int from = state.toolStation;
    state.toolStation = from < 4 ? from + 1 : 1;
    turret.TurnTurret(from, from + 1, [this] { RefreshArea(Region::Default); });
}

}  // namespace zan
