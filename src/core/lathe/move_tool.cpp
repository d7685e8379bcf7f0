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
// A fixed tool's edge reaches this many rows above its reference point: a
// reference point within it of the blank's surface has the edge in the blank.
constexpr int kEdgeReach = 67;

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
    // The picture's rows and one more below it (its bottom edge line); an
    // upward move also leaves the row under that.
    const int below = kPictureSize + 1;
    if (to.x > from.x) bands[0] = Rect{from.x, from.y, to.x, to.y + below}.normalized();
    if (to.x < from.x) bands[0] = Rect{to.x + kPictureSize, to.y, from.x + kPictureSize, from.y + below}.normalized();
    if (to.y < from.y) bands[1] = Rect{to.x - 1, to.y + kPictureSize, from.x + kPictureSize, from.y + below + 1}.normalized();
    if (to.y > from.y) bands[1] = Rect{from.x, from.y, to.x + kPictureSize, to.y + 1}.normalized();
}

}  // namespace

std::string_view AlarmText(MachineAlarm alarm)
{
    switch (alarm) {
    case MachineAlarm::BelowTravel: return msg::kProgramAlarm;
    case MachineAlarm::BeyondTravel: return msg::kBeyondTravel;
    case MachineAlarm::CannotCut: return msg::kCannotCut;
    }
    return msg::kProgramAlarm;
}

void Lathe::RaiseAlarm(MachineAlarm alarm)
{
    ports.alerts.Message(AlarmText(alarm));
    if (alarmObserver != nullptr) alarmObserver->OnAlarm(alarm);
}

bool Lathe::StopMove(MachineAlarm alarm)
{
    RaiseAlarm(alarm);
    state.jogActive = false;
    state.runFlag = false;
    RefreshArea(Region::MoveStopped);
    return false;
}

// A position at or left of column 0 or above row 0 cannot come from a sound
// program: the run is reset.
bool Lathe::StopSevereError()
{
    ports.display.DrawErrorText(msg::kSevereError);
    state.directMove = false;
    state.runFlag = false;
    PanelEvent(PanelEventCode::Reset);
    return false;
}

// The move is not made, but the run is only stopped, not failed.
bool Lathe::RefuseCut()
{
    RaiseAlarm(MachineAlarm::CannotCut);
    state.runFlag = false;
    state.jogActive = false;
    state.directMove = false;
    return true;
}

// A fixed tool may not enter the blank while the spindle stands or the chuck
// is released. Judged on the nominal blank, whether or not that material is
// still there; the custom tool and the retract are never refused.
bool Lathe::MayCut(int x, int y, MoveMode mode) const
{
    const LatheState& s = state;
    if (s.toolStation == kCustomStation || mode == MoveMode::Redraw || mode == MoveMode::Retract) return true;
    const bool still = s.spindleState == 0 || s.chuckOpen;
    return !(still && y < s.blankDiameter / 2 + kAxisRow + kEdgeReach && x < s.blankEnd);
}

// In trace mode the path is drawn instead of cut; nothing is checked.
bool Lathe::TraceMove(int x, int y, MoveMode mode)
{
    if (mode == MoveMode::Redraw) return true;
    ports.display.DrawTraceLine(Point{state.drawnZ, state.drawnX}, Point{x, y});
    state.drawnZ = x;
    state.drawnX = y;
    return true;
}

std::optional<Lathe::MoveRefusal> Lathe::RefusalOf(int x, int y, MoveMode mode) const
{
    const LatheState& s = state;
    if (mode != MoveMode::Redraw && (x <= 0 || y <= 0)) return MoveRefusal::SevereError;
    if (x < s.layout.minTravelColumn() || y < kMinRow) return MoveRefusal::BelowTravel;
    if (x > kMaxColumn || y > kMaxRow) return MoveRefusal::BeyondTravel;
    if (!MayCut(x, y, mode)) return MoveRefusal::CannotCut;
    return std::nullopt;
}

bool Lathe::Refuse(MoveRefusal refusal)
{
    switch (refusal) {
    case MoveRefusal::SevereError: return StopSevereError();
    case MoveRefusal::BelowTravel: return StopMove(MachineAlarm::BelowTravel);
    case MoveRefusal::BeyondTravel: return StopMove(MachineAlarm::BeyondTravel);
    case MoveRefusal::CannotCut: return RefuseCut();
    }
    return RefuseCut();
}

bool Lathe::CutsFreely(float col, float row) const
{
    const LatheState& s = state;
    if (s.lockSwitch || s.traceMode) return true;
    return !RefusalOf(TruncToView(col), TruncToView(row), MoveMode::Cut);
}

bool Lathe::MoveTool(float col, float row, MoveMode mode)
{
    LatheState& s = state;
    if (moveObserver) moveObserver->OnMoveTool(col, row, mode);
    int x = TruncToView(col);
    int y = TruncToView(row);

    if (s.lockSwitch && mode != MoveMode::Redraw) return true;
    if (s.traceMode) return TraceMove(x, y, mode);

    float unroundedRow = row;
    if (mode == MoveMode::Redraw) {
        x = s.drawnZ;
        y = s.drawnX;
        unroundedRow = static_cast<float>(s.drawnX);
    }
    s.repaintColumn = x;

    if (const auto refusal = RefusalOf(x, y, mode)) return Refuse(*refusal);

    DrawMove(x, y, unroundedRow);
    if (mode != MoveMode::Redraw) {
        s.posZ = col;
        s.posX = row;
    }
    s.drawnZ = x;
    s.drawnX = y;
    if (s.speedLevel < 3) RepaintUnderTool();
    return true;
}

// Erases the tool where it was drawn, takes the mirrored outline out of the
// upper half of the workpiece, cuts and draws the tool at (x, y).
void Lathe::DrawMove(int x, int y, float row)
{
    const LatheState& s = state;
    const Point from{s.drawnZ, s.drawnX};
    const Point to{x, y};
    const bool custom = s.toolStation == kCustomStation;
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

    CutProfile(x, y, row);

    if (!s.turretBusy) {
        tool.turretPicture = custom ? 1 : s.toolStation;
        tool.pictureAt = Point{x, y + 1};
        ports.display.DrawTool(tool);
    }
}

// Lowers the workpiece wherever the edge reaches above its surface. The test
// uses the integer row, the stored value the unrounded one, so measurements
// keep the commanded fraction. No edge removes material beyond the spindle
// axis: a tall custom tool that reaches past it cuts the part off there.
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
            if (e < profile[k]) profile[k] = std::max<double>(e, kAxisRow);
        }
        return;
    }
    auto cut = [&](auto edgeRow) {
        for (int k = x; k <= last; ++k) {
            const int d = k - x;
            if (edgeRow(d, y) < profile[k]) profile[k] = std::max<double>(edgeRow(d, row), kAxisRow);
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
