// MoveTool: the one operation that moves the tool. It checks the position
// against the machine's limits and the cutting conditions, lowers the
// workpiece surface under the cutting edge and redraws only what changed.

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/lathe/lathe.h"
#include "core/lathe/messages.h"
#include "core/lathe/tool_shapes.h"

namespace zan {

namespace {

constexpr int kMinRow = 292;      // rows above this would put the holder into the spindle
constexpr int kMaxColumn = 1000;
constexpr int kMaxRow = 800;
constexpr int kPictureSize = 237;  // turret picture, square

// Truncation toward zero that stays defined for any float: values beyond the
// view (and NaN) become a position the origin or travel checks refuse.
int TruncToView(float v)
{
    if (!(v > -1.0e6f)) return std::numeric_limits<int>::min() / 2;  // also NaN
    if (v > 1.0e6f) return 1000000;
    return static_cast<int>(v);
}

// The bands the turret picture swept between two reference points.
void SweptBands(Point from, Point to, Rect bands[2])
{
    bands[0] = bands[1] = Rect{};
    if (to.x > from.x) bands[0] = Rect{from.x, from.y, to.x, to.y + 238}.normalized();
    if (to.x < from.x) bands[0] = Rect{to.x + kPictureSize, to.y, from.x + kPictureSize, from.y + 238}.normalized();
    if (to.y < from.y) bands[1] = Rect{to.x - 1, to.y + kPictureSize, from.x + kPictureSize, from.y + 239}.normalized();
    if (to.y > from.y) bands[1] = Rect{from.x, from.y, to.x + kPictureSize, to.y + 1}.normalized();
}

}  // namespace

bool Lathe::StopMove(std::string_view message)
{
    ports.alerts.Message(message);
    state.jogActive = false;
    state.runFlag = false;
    RefreshArea(10);
    return false;
}

bool Lathe::MoveTool(float col, float row, int mode)
{
    LatheState& s = state;
    if (moveObserver) moveObserver->OnMoveTool(col, row, mode);
    int x = TruncToView(col);
    int y = TruncToView(row);

    if (s.lockSwitch && mode != kMoveRedraw) return true;

    if (s.traceMode) {
        // The path is drawn instead of cut; nothing is checked.
        if (mode == kMoveRedraw) return true;
        ports.display.DrawTraceLine(Point{s.drawnZ, s.drawnX}, Point{x, y});
        s.drawnZ = x;
        s.drawnX = y;
        return true;
    }

    float unroundedRow = row;
    if (mode == kMoveRedraw) {
        x = s.drawnZ;
        y = s.drawnX;
        unroundedRow = static_cast<float>(s.drawnX);
    }
    s.repaintColumn = x;

    if (mode != kMoveRedraw && (x <= 0 || y <= 0)) {
        ports.display.DrawErrorText(msg::kSevereError);
        s.directMove = false;
        s.runFlag = false;
        PanelEvent(11);
        return false;
    }
    if (x < s.layout.minTravelColumn() || y < kMinRow) return StopMove(msg::kProgramAlarm);
    if (x > kMaxColumn || y > kMaxRow) return StopMove(msg::kBeyondTravel);

    const bool fixedTool = s.toolStation != kCustomStation;
    if (fixedTool && mode != kMoveRedraw && mode != kMoveRetract && (s.spindleState == 0 || s.chuckOpen) &&
        y < s.blankDiameter / 2 + 309 && x < s.blankEnd) {
        // Judged on the nominal blank, whether or not that material is still there.
        ports.alerts.Message(msg::kCannotCut);
        s.runFlag = false;
        s.jogActive = false;
        s.directMove = false;
        return true;
    }

    const Point from{s.drawnZ, s.drawnX};
    const Point to{x, y};
    const bool custom = !fixedTool;
    ToolErase erase;
    erase.oldOutline = ToolOutline(s.toolStation, s.custom, from);
    erase.hasHolder = custom;
    if (custom) erase.oldHolder = CustomHolder(s.custom, from);
    SweptBands(from, to, erase.bands);
    ports.display.EraseTool(erase);

    ToolDrawing tool;
    tool.outline = ToolOutline(s.toolStation, s.custom, to);
    tool.hasHolder = custom;
    if (custom) tool.holder = CustomHolder(s.custom, to);
    if (!s.turretBusy) {
        const Rect mirroredHolder = Mirrored(tool.holder);
        ports.display.FillReflected(Mirrored(tool.outline), custom ? &mirroredHolder : nullptr);
    }

    CutProfile(x, y, unroundedRow);

    if (!s.turretBusy) {
        tool.turretPicture = fixedTool ? s.toolStation : 1;
        tool.pictureAt = Point{x, y + 1};
        ports.display.DrawTool(tool);
    }

    if (mode != kMoveRedraw) {
        s.posZ = col;
        s.posX = row;
    }
    s.drawnZ = x;
    s.drawnX = y;
    if (s.speedLevel < 3) RepaintUnderTool();
    return true;
}

// Lowers the workpiece wherever the edge reaches above its surface. The test
// uses the integer row, the stored value the unrounded one, so measurements
// keep the commanded fraction.
void Lathe::CutProfile(int x, int y, float row)
{
    auto& profile = state.profile;
    const int station = state.toolStation;
    const int last = std::min(x + CuttingWidth(station), kProfileColumns - 1);
    if (station == kCustomStation) {
        CustomEdge edge;
        if (!MakeCustomEdge(state.custom, Point{x, y}, edge)) return;  // vertical edge: no cut
        for (int k = x; k <= last; ++k) {
            const int e = edge.RowAt(k);
            if (e < profile[k]) profile[k] = e;
        }
        return;
    }
    auto cut = [&](auto edgeRow) {
        for (int k = x; k <= last; ++k) {
            const int d = k - x;
            if (edgeRow(d, y) < profile[k]) profile[k] = edgeRow(d, row);
        }
    };
    switch (station) {
    case 2: cut(EdgeRow2); break;
    case 3: cut(EdgeRow3); break;
    case 4: cut(EdgeRow4); break;
    default: cut(EdgeRow1); break;
    }
}

}  // namespace zan
