#pragma once
// The simulated lathe: its state, the one operation that moves the tool and
// the machine actions behind the view's commands. The motion and the
// interpreter sit above it; the events it raises go to the controller's owner.

#include <cstdint>
#include <optional>
#include <string_view>

#include "core/files/program_folder.h"
#include "core/lathe/codes.h"
#include "core/lathe/lathe_state.h"
#include "core/lathe/ports.h"
#include "core/lathe/turret.h"

namespace zan {

// Sees every move the machine is asked to make (tracing, headless runs).
class MoveObserver {
public:
    virtual ~MoveObserver() = default;
    virtual void OnMoveTool(float col, float row, MoveMode mode) = 0;
};

// Sees every alarm that stops a move, by its code (headless runs).
class AlarmObserver {
public:
    virtual ~AlarmObserver() = default;
    virtual void OnAlarm(MachineAlarm alarm) = 0;
};

// The message box text of an alarm.
std::string_view AlarmText(MachineAlarm alarm);

struct LatheOptions {
    bool smallLayout = false;  // displays narrower than 1024 pixels
    ProgramFolder folder = ProgramFolder(".");
};

class Lathe {
public:
    // Events the machine raises go to `events`, which must outlive it.
    Lathe(Ports ports, EventSink& events, LatheOptions options);
    Lathe(const Lathe&) = delete;
    Lathe& operator=(const Lathe&) = delete;

    LatheState state;
    Ports ports;
    Turret turret{*this};
    const ProgramFolder folder;
    MoveObserver* moveObserver = nullptr;    // not owned; may be null
    AlarmObserver* alarmObserver = nullptr;  // not owned; may be null

    // Moving and cutting.
    bool MoveTool(float col, float row, MoveMode mode);
    // Whether MoveTool would make the cutting move to (col, row) as asked,
    // with no alarm and no refusal (always, while the machine is locked or
    // traces the path). Only the move's own end and the machine's set-up
    // decide it, so it holds until an input changes the machine.
    bool CutsFreely(float col, float row) const;
    void RefreshArea(Region region);
    void RepaintUnderTool();

    // Raises a panel event: the controller's owner handles it.
    void PanelEvent(PanelEventCode code) { events_.PanelEvent(code); }

    // The machine's own halves of panel events and machine commands.
    void ApplyOffset(int pair);   // offset pair 1..9 becomes active; the tool moves by it
    void ClearOffset();
    // The manual T command: offset pair 0..9 (0 = none) takes the place of
    // the applied one, and the tool moves by the difference.
    void ChangeOffset(int pair);
    void ApplyOverrides();        // the panel's override percentages become factors
    void UpdateJogRates();
    int StartSpindle(MachineLetter letter);  // L or R; 0 when the chuck is released
    void StopSpindle();
    void ToggleCoolant();

    // Machine actions.
    void Clamp();
    void Release();
    void Initialise();
    bool MayEditBlank();       // the blank dialog may open
    bool MaySetSpeed();        // the speed dialog may open
    void ToggleTrace();
    void ToggleTailstock();
    void TurnEndForEnd();
    void RetractTool();
    bool ConfirmExit();        // true: end the program now

    // What the machine does over time by itself: the turret's frames and
    // the pause while the workpiece is turned round. Does what is due by
    // `now`; the time more is due, or nullopt when nothing is under way.
    std::optional<std::int64_t> Advance(std::int64_t now);
    std::optional<std::int64_t> BusyUntil() const;

    // Tools.
    void SelectTool(int station);  // menu command for stations 1..4
    // The custom tool command mounts station 5 while its editor is open;
    // the station mounted before is returned for EndCustomTool.
    int SelectCustomTool();
    // The editor closed: the custom tool stays mounted when the student
    // kept it (saved, or set it as the current tool) and it has a shape that
    // cuts; otherwise the tool mounted before comes back.
    void EndCustomTool(int previousStation, bool kept);
    void NextTool();               // the panel's "d"

private:
    enum class MoveRefusal { SevereError, BelowTravel, BeyondTravel, CannotCut };
    // Why the move to view position (x, y) is not made as asked; nullopt when it is.
    std::optional<MoveRefusal> RefusalOf(int x, int y, MoveMode mode) const;
    bool Refuse(MoveRefusal refusal);
    bool StopMove(MachineAlarm alarm);
    void RaiseAlarm(MachineAlarm alarm);
    bool StopSevereError();
    bool RefuseCut();
    bool MayCut(int x, int y, MoveMode mode) const;
    bool TraceMove(int x, int y, MoveMode mode);
    void DrawMove(int x, int y, float row);
    void CutProfile(int x, int y, float row);

    void FinishTurnRound();

    EventSink& events_;
    std::optional<std::int64_t> turnRoundDue_;  // ms: the turned workpiece goes back in
    bool turnRoundRefused_ = false;             // the spindle turned or the chuck held it
};

}  // namespace zan
