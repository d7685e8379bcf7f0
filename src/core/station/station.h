#pragma once
// The whole controller in one object: the machine, the motion that moves it
// and the interpreter that runs part programs. The desktop program and the
// runner without a window build the very same object; they differ only in
// the ports they give it. Both bridges between the operator panel and the
// machine (panel events and machine commands) are dispatched here, since
// some of their codes need the machine and the interpreter together.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "core/lathe/codes.h"
#include "core/lathe/lathe.h"
#include "core/lathe/measurement.h"
#include "core/nc/interpreter.h"
#include "core/nc/motion.h"
#include "core/panel/panel.h"
#include "core/view/lathe_view.h"

namespace zan {

struct StationOptions {
    bool smallLayout = false;  // displays narrower than 1024 pixels
    ProgramFolder folder = ProgramFolder(".");  // turret pictures and help text; programs too by default
    // Where part programs, Pset.dat and Dset.dat live when not in `folder`
    // (a class sharing one installation gives each student a folder).
    std::optional<ProgramFolder> programs;
};

// The outside world of the whole controller: the machine's ports, and the
// operator panel's window and fields.
struct ControllerPorts {
    Alerts& alerts;
    Clock& clock;
    PanelWindow& window;
    PanelFields& fields;
    // Null: the Station draws the lathe view itself (its LatheView, which a
    // front end shows). Runs that show no view give a display of their own.
    LatheDisplay* display = nullptr;
};

inline constexpr int kSlowestSpeed = 0;
inline constexpr int kFastestSpeed = 4;

class Station : public MachineBridge {
    // The controller's pseudo-random numbers (the position display's
    // jitter): one sequence per controller, from its start.
    ControllerRandom random_;
    // The lathe view the Station draws, when its ports bring no display.
    // Built before the machine, which draws on it.
    std::unique_ptr<LatheView> view_;
    // The controller's own operator panel, when it has one. It is built
    // before the machine, which reports to it.
    std::unique_ptr<Panel> panel_;

public:
    // The whole controller, with its operator panel.
    Station(ControllerPorts ports, StationOptions options);
    // The machine with an outside panel link and no operator panel (the
    // runner of part programs, tests of the machine alone).
    Station(Ports ports, StationOptions options);
    Station(const Station&) = delete;
    Station& operator=(const Station&) = delete;

    Lathe lathe;
    Motion motion{lathe};
    Interpreter interpreter{lathe, motion};

    // The two bridges. Codes outside the tables do nothing.
    void PanelEvent(PanelEventCode code) override;
    int MachineCommand(MachineLetter letter) override;
    bool RapidMoveDirect(float z, float x) override;
    void LoadProgram(std::string_view text) override;

    // The verbs of a program run, for every front end: the window and the
    // runners call them, the operator panel sends their machine commands.
    // A loaded program starts at the line index it finds (0 after a reset).
    void ClearProgram() { LoadProgram({}); }
    void StartCycle();  // the run starts, or goes on from the block it stopped at
    void HoldFeed();    // the run stops at once; StartCycle resumes it
    bool running() const { return lathe.state.runFlag; }
    void SetSingleBlock(bool on);  // stop after each block's path
    bool singleBlock() const { return lathe.state.singleBlock; }
    // The lock switch (DRY): the run neither draws nor cuts and skips the
    // tool, spindle and chuck functions. Locking marks the chuck clamped.
    void SetLockSwitch(bool on);
    bool lockSwitch() const { return lathe.state.lockSwitch; }
    // The line a run starts from, one line down (step 1) or up (-1), within
    // the first line and the last that holds text. False when it is there.
    bool MoveStartLine(int step);

    // The operator panel; null when the Station was built without one.
    Panel* panel() { return panel_.get(); }
    // The lathe view it draws; null when its ports brought a display.
    LatheView* view() { return view_.get(); }

    // One turn of the run loop at the clock's time: what the machine does by
    // itself first (turret frames, the workpiece turned round), then a jog
    // step, a block and a point of its path (see Interpreter::Turn).
    TurnResult Turn();
    // The front end's entry point: does the work due by the clock's time,
    // turn after turn, for at most `budgetMs` by the clock, and tells
    // when to come back: nullopt when nothing runs (until the next input),
    // else the clock time at which more is due (now, when the budget ran out).
    std::optional<std::int64_t> Advance(int budgetMs);
    // Turns of one Advance at the most, whatever the clock says.
    static constexpr int kMostTurnsPerAdvance = 100000;

    // The blank dialog's fields as typed: a refusal is shown and changes
    // nothing; an empty field keeps its value. The length counts from the
    // chuck face. True when the blank was taken.
    bool SetBlank(std::string_view diameterText, std::string_view lengthText);
    // The speed dialog's level, 0 (slowest) to 4 (fastest); others are refused.
    void SetSpeedLevel(int level);
    int speedLevel() const { return lathe.state.speedLevel; }

    // Measuring with the mouse: the prompt is shown as the mode starts; a
    // click returns what to write on the view (its message already shown).
    void BeginMeasurement(MeasureMode mode);
    std::string MeasureClick(Point at);
    MeasureMode measureMode() const { return static_cast<MeasureMode>(lathe.state.measureMode); }

private:
    void Reset();
    void ManualMoveTo(float z, float x);
    int Jog(JogDirection direction);
    void Step();

    Point firstPoint_{0, 0};  // first click of a manual length measurement
};

}  // namespace zan
