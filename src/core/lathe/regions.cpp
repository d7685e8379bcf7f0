// Numbered screen regions and the band under the tool: the only parts of the
// view that are repainted outside a full repaint.

#include "core/lathe/lathe.h"
#include "core/lathe/tool_shapes.h"

namespace zan {

namespace {

// Nozzle pictures, in view pixels.
constexpr int kNozzleWidth = 100;
constexpr int kNozzleOffHeight = 59;
constexpr int kNozzleOnHeight = 70;
constexpr int kNozzleTop = 10;

// The nozzle follows the commanded column, which a refused move far off the
// view can leave anywhere (even NaN): it is kept within a million columns,
// so the strips beside it stay within int.
int NozzleColumn(float posZ)
{
    constexpr float kFar = 1.0e6f;
    if (!(posZ > -kFar)) return static_cast<int>(-kFar);
    return static_cast<int>(posZ < kFar ? posZ : kFar);
}

Rect JawsRect(const Layout& layout)
{
    return layout.small ? Rect{100, 0, 180, 768} : Rect{126, 0, 232, 768};
}

}  // namespace

void Lathe::RefreshArea(Region region)
{
    const LatheState& s = state;
    // While the path is shown, only the tool's own area may be repainted: the
    // drawn path would be wiped out otherwise.
    if (s.traceMode && region != Region::ToolArea) return;
    LatheDisplay& display = ports.display;
    switch (region) {
    case Region::Nozzle: display.Refresh(Rect{s.drawnZ, 10, s.drawnZ + 100, 110}); break;
    case Region::WholeView:
    case Region::MoveStopped:
    case Region::Initialised: display.Refresh(Rect{0, 0, 1024, 768}); break;
    case Region::ChuckBody: display.Refresh(Rect{0, 98, 153, 400}); break;
    case Region::Jaws: display.Refresh(JawsRect(s.layout)); break;
    case Region::Tailstock: display.Refresh(Rect{s.blankEnd, 210, s.blankEnd + 50, 272}); break;
    case Region::Workpiece:
    case Region::LoadedWorkpiece:
        display.Refresh(Rect{153, 142, 1100, 342});
        display.Refresh(JawsRect(s.layout));
        break;
    case Region::ToolArea: display.Refresh(Rect{s.drawnZ, s.drawnX - 100, s.drawnZ + 240, s.drawnX + 240}); break;
    default: display.Refresh(Rect{0, 0, 1000, 768}); break;
    }
}

void Lathe::RepaintUnderTool()
{
    const LatheState& s = state;
    UnderTool under;
    under.coolantOn = s.coolantOn;
    const int x = NozzleColumn(s.posZ);
    const int h = s.coolantOn ? kNozzleOnHeight : kNozzleOffHeight;
    under.nozzleAt = Point{x, kNozzleTop};
    under.leftStrip = Rect{x - 10, kNozzleTop, x, h + 30};
    under.rightStrip = Rect{x + kNozzleWidth, kNozzleTop, x + kNozzleWidth + 10, h + 30};
    const int width = s.toolStation == 2 ? 30 : 15;
    under.firstColumn = s.repaintColumn;
    under.lastColumn = std::min(s.blankEnd - 1, s.repaintColumn + width);
    under.station4Marks = s.toolStation == 4;
    ports.display.RepaintUnderTool(under);
}

}  // namespace zan
