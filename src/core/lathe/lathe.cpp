#include "core/lathe/lathe.h"

namespace zan {

LatheState::LatheState(bool smallLayout)
{
    layout.small = smallLayout;
    profile.fill(kUncutRow);
    if (smallLayout) {
        blankEnd = 400;
        blankDiameter = 80;
    }
}

Lathe::Lathe(Ports ports_, EventSink& events, LatheOptions options)
    : state(options.smallLayout), ports(ports_), folder(std::move(options.folder)), events_(events)
{
    // The compact layout starts the tool at column 400, over the shorter blank.
    if (state.layout.small) MoveTool(400.0f, 462.0f, MoveMode::Cut);
}

}  // namespace zan
