// Actions of the view's commands on the machine. Each checks the machine state
// first and refuses, as a real lathe would, what makes no sense in that state.

#include <algorithm>
#include <utility>

#include "core/lathe/lathe.h"
#include "core/lathe/messages.h"

namespace zan {

namespace {
constexpr int kTurnRoundPauseMs = 1000;  // the operator takes the workpiece out
constexpr int kRetractRows = 99;
constexpr int kRetractBelowRow = 442;    // tools above this row would hit the workpiece
}  // namespace

void Lathe::Clamp()
{
    if (state.runFlag) {
        ports.alerts.Message(msg::kLatheRunning);
        return;
    }
    state.chuckOpen = false;
    RefreshArea(Region::Jaws);
}

void Lathe::Release()
{
    if (state.runFlag || state.spindleState != 0) {
        ports.alerts.Message(msg::kSpindleTurning);
        return;
    }
    state.chuckOpen = true;
    RefreshArea(Region::Jaws);
}

void Lathe::Initialise()
{
    if (state.runFlag) {
        ports.alerts.Message(msg::kProgramRunning);
        return;
    }
    if (!ports.alerts.Question(msg::kInitialiseQuestion)) return;
    // The start position of the normal layout, in both layouts.
    state.drawnZ = 500;
    state.drawnX = 462;
    MoveTool(500.0f, 462.0f, MoveMode::Cut);
    state.chuckOpen = true;  // a new blank must be clamped before the spindle starts
    RefreshArea(Region::Initialised);
    state.profile.fill(kUncutRow);
    state.spindleState = 0;
    PanelEvent(PanelEventCode::Reset);
    RefreshArea(Region::Initialised);
}

bool Lathe::MayEditBlank()
{
    if (state.runFlag) {
        ports.alerts.Message(msg::kLatheRunning);
        return false;
    }
    if (!state.chuckOpen) {
        ports.alerts.Message(msg::kReleaseFirst);
        return false;
    }
    return true;
}

bool Lathe::MaySetSpeed()
{
    if (state.runFlag) {
        ports.alerts.Message(msg::kRunningCannotDo);
        return false;
    }
    return true;
}

void Lathe::ToggleTrace()
{
    state.traceMode = !state.traceMode;
    ports.alerts.Message(state.traceMode ? msg::kTraceOn : msg::kTraceOff);
    RefreshArea(Region::ToolArea);
}

void Lathe::ToggleTailstock()
{
    state.tailstockOn = !state.tailstockOn;
    ports.alerts.Message(state.tailstockOn ? msg::kCentreAdded : msg::kCentreRemoved);
    RefreshArea(Region::Tailstock);
}

// The tool draws back, and after a pause (the operator takes the workpiece
// out) the part is put back the other way round. Whether it may be taken out
// is decided at the start: what the student does during the pause (clamping
// it again, say) comes after the turn, as it would at the machine.
void Lathe::TurnEndForEnd()
{
    if (state.runFlag) {
        ports.alerts.Message(msg::kBeingCut);
        return;
    }
    RetractTool();
    turnRoundRefused_ = state.spindleState != 0 || !state.chuckOpen;
    turnRoundDue_ = ports.clock.NowMs() + kTurnRoundPauseMs;
}

void Lathe::FinishTurnRound()
{
    LatheState& s = state;
    if (turnRoundRefused_) {
        ports.alerts.Message(msg::kStopAndRelease);
        return;
    }
    // Mirror the part between the chuck face and the blank's end.
    int i = std::min(s.blankEnd, kProfileColumns - 1);
    int j = std::max(s.layout.chuckFace(), 0);
    for (; i > j; --i, ++j) std::swap(s.profile[i], s.profile[j]);
    RefreshArea(Region::Workpiece);
}

std::optional<std::int64_t> Lathe::Advance(std::int64_t now)
{
    turret.Advance(now);
    if (turnRoundDue_ && now >= *turnRoundDue_) {
        turnRoundDue_.reset();
        FinishTurnRound();
    }
    return BusyUntil();
}

std::optional<std::int64_t> Lathe::BusyUntil() const
{
    const std::optional<std::int64_t> turning = turret.Busy() ? turret.due() : std::optional<std::int64_t>();
    if (!turning) return turnRoundDue_;
    if (!turnRoundDue_) return turning;
    return std::min(*turning, *turnRoundDue_);
}

// Draws the tool straight down by 99 rows, clear of the workpiece, before it
// is taken out of the chuck or replaced.
void Lathe::RetractTool()
{
    LatheState& s = state;
    if (s.drawnX >= kRetractBelowRow) return;
    const int start = s.drawnX;
    for (int row = start; row <= start + kRetractRows; ++row) {
        MoveTool(s.posZ, static_cast<float>(row), MoveMode::Retract);
        PanelEvent(PanelEventCode::JogRatesAndPosition);
    }
}

bool Lathe::ConfirmExit() { return ports.alerts.Question(msg::kExitQuestion); }

}  // namespace zan
