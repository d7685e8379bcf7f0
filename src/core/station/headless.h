#pragma once
// The controller without a window: the same Station as the desktop
// program's, with ports where nothing waits and nothing is drawn (or, when
// the set-up asks, the lathe view is drawn into its frame as the window
// draws it). Part programs run to their end as cycle start runs them in
// automatic mode, with every stop resumed at once; messages go to a sink and
// questions are answered OK. Used by the headless runner, the fuzz target and the tests.

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "core/lathe/quiet_ports.h"
#include "core/station/station.h"
#include "core/station/virtual_clock.h"

namespace zan {

struct HeadlessSetup {
    ProgramFolder folder = ProgramFolder(".");
    int speedLevel = 0;              // the speed dialog's level, 0..4
    OffsetPair offsets[10] = {};     // tool offset pairs 1..9 (slot 0 unused)
    PanelOverrides overrides = {};   // override percentages and rapid rates
    std::optional<int> blankDiameter;  // mm; the blank dialog's value when not given
    std::optional<int> blankLength;    // mm from the chuck face
    // Draw the lathe view as the window would (golden frames, a front end
    // without a window); otherwise nothing is drawn, which is faster.
    bool drawView = false;
};

enum class RunEnd {
    Finished,   // the program ran to its end
    Alarm,      // a move was stopped: origin, travel or cutting refusal
    TurnLimit,  // still running after the allowed number of turns
    WorkLimit,  // still running after the allowed work (path points and cycle passes)
};

// How long a program may run before it counts as hanging. A turn plays one
// path point, but one turn may also execute a block that records or counts a
// million points (a cycle with a fine peck): turns alone bound nothing, so
// the work is bounded too. At the defaults any program ends within a few
// seconds (a turn costs up to about 0.7 µs, a point about 0.1 µs), two
// hundred times what the sample programs need (under 20 000 turns each).
struct RunLimits {
    static constexpr long kDefaultTurns = 4'000'000;
    static constexpr long kDefaultWork = 20'000'000;  // points recorded or counted
    long turns = kDefaultTurns;
    long work = kDefaultWork;
};

class HeadlessMachine : Alerts, LatheDisplay, QuietPanel, MoveObserver, AlarmObserver {
public:
    explicit HeadlessMachine(HeadlessSetup setup);
    ~HeadlessMachine() override;

    Station& station() { return *station_; }
    // The lathe view drawn while running; null unless the set-up asked for it.
    const LatheView* view() const { return view_.get(); }
    Lathe& lathe() { return station_->lathe; }
    // Back to the state construction left, keeping the allocations: the
    // machine (changes made to its state since are undone), the interpreter,
    // the path and pacing, and the counters. The callbacks stay.
    void Reset();
    // Program text as a file holds it (CR LF or LF lines) into the LineTable.
    void LoadProgram(std::string_view text);
    RunEnd Run(const RunLimits& limits);
    long turns() const { return turns_; }
    long work() const { return station_->motion.work(); }
    long blocks() const { return blocks_; }  // blocks executed (the panel's run display)
    long moves() const { return moves_; }    // MoveTool calls but redraws in place
    // After a run stopped by an alarm: the alarm's text, and the line of the
    // block that raised it (counted from 0; the block whose path was playing).
    const std::string& alarmText() const { return alarmText_; }
    int alarmLine() const { return alarmLine_; }
    // The line of the block executed last (counted from 0), -1 before any.
    int blockLine() const { return blockLine_; }

    std::function<void(std::string_view)> onMessage;      // every message box and question
    std::function<void(float col, float row)> onMove;      // every move but a redraw in place

private:
    // Alerts
    void Message(std::string_view text) override;
    bool Question(std::string_view text) override;
    // LatheDisplay: drawn on the view when there is one; a severe error is
    // noted either way.
    void EraseTool(const ToolErase& erase) override;
    void FillReflected(const Polygon& outline, const Rect* holder) override;
    void DrawTool(const ToolDrawing& tool) override;
    void DrawTraceLine(Point from, Point to) override;
    void DrawErrorText(std::string_view text) override;
    void RepaintUnderTool(const UnderTool& under) override;
    void Refresh(const Rect& rect) override;
    void ShowTurretFrame(const TurretFrame& frame) override;
    void FillBlack(const Rect& rect) override;
    // The panel has its start-up values but for the set-up's offsets and overrides.
    PanelOverrides Overrides() override { return setup_.overrides; }
    OffsetPair ToolOffset(int pair) override;
    void ShowRunLines() override { ++blocks_; }
    void ShowRunComplete() override { finished_ = true; }
    // MoveObserver
    void OnMoveTool(float col, float row, MoveMode mode) override;
    // What the set-up adds to the parts' own start-up values.
    void ApplySetup();
    // AlarmObserver: the first alarm stops the run and is kept (a severe
    // error, drawn on the view, counts as one too).
    void OnAlarm(MachineAlarm alarm) override;
    void NoteAlarm(std::string_view text);

    HeadlessSetup setup_;
    VirtualClock clock_;  // time passes only when a turn must wait
    std::unique_ptr<LatheView> view_;
    std::unique_ptr<Station> station_;
    bool finished_ = false;
    bool alarm_ = false;
    std::string alarmText_;
    int alarmLine_ = -1;
    int blockLine_ = -1;
    long turns_ = 0;
    long blocks_ = 0;
    long moves_ = 0;
};

}  // namespace zan
