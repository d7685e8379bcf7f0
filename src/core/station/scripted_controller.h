#pragma once
// The whole controller driven by a script instead of a window: the Station
// with its operator panel, started as the desktop program starts it (the
// panel shown, its first paint over, Edit mode), and the few things a student
// does at the window, one call each. Nothing is drawn and nothing waits;
// every message box and question is written to the output as it comes (see
// script_output.h), and questions are answered as told (OK until then).

#include <optional>
#include <ostream>
#include <string_view>

#include "core/files/parameter_files.h"
#include "core/lathe/quiet_ports.h"
#include "core/panel/plain_fields.h"
#include "core/station/lcd_frame_window.h"
#include "core/station/station.h"
#include "core/station/virtual_clock.h"

namespace zan {

struct ScriptSetup {
    ProgramFolder folder = ProgramFolder(".");  // turret pictures; the program store too by default
    std::optional<ProgramFolder> programs;      // program store, Pset.dat and Dset.dat
    int speedLevel = 0;                         // the speed dialog's level, 0..4
    std::optional<int> blankDiameter;           // mm; the machine's own blank when empty
    std::optional<int> blankLength;             // mm from the chuck face
    // Values for the panel instead of those it read from the folder's Pset.dat
    // and Dset.dat. The panel saves its values into the folder's files when
    // the script types on the parameter screen or stores an offset.
    std::optional<Parameters> parameters;
    std::optional<ToolOffsets> offsets;
    bool trace = false;          // write every tool move as a line "Z X"
    bool drawLcd = false;        // keep the LCD's pixels (lcd())
    // Draw the lathe view as the window does (a page that shows the script
    // being played); the run and its output are the same either way.
    bool drawView = false;
    long maxTurns = 10000000;    // turns of the run loop one RunProgram may take
};

class ScriptedController : Alerts, QuietDisplay, MoveObserver {
public:
    ScriptedController(ScriptSetup setup, std::ostream& out);
    ScriptedController(const ScriptedController&) = delete;
    ScriptedController& operator=(const ScriptedController&) = delete;

    Station& station() { return station_; }
    Panel& panel() { return *station_.panel(); }
    PlainFields& fields() { return fields_; }
    // The LCD's pixels as they stand, from the panel pixel kLcdPixels' top
    // left corner on; empty unless the set-up asked for them.
    const RgbaFrame& lcd() const { return window_.frame(); }
    RgbaFrame& lcd() { return window_.frame(); }

    // A click on a key (pressed and released); a jog key held down and let go.
    void Key(KeyId key) { panel().Click(key); }
    void Press(KeyId key) { panel().KeyDown(key); }
    void Release(KeyId key) { panel().KeyUp(key); }
    // A key of the second key pad: its panel key code.
    void Pad(char code) { panel().KeyCode(code); }
    // Typing on the keyboard into the focused field, one character at a time.
    void Type(std::string_view utf8);
    // The Return key in the focused field.
    void Return();

    // Turns of the run loop, as the window's idle processing makes them.
    void Idle(long turns);
    // Turns until no program runs; false when it still ran after maxTurns.
    bool RunProgram();
    long maxTurns() const { return setup_.maxTurns; }

    // How the questions from now on are answered.
    void AnswerQuestions(bool ok) { answerOk_ = ok; }
    // The LCD and the shown fields as they stand.
    void WriteScreen();
    // The lit lamps: "lamps" then the ids of the lamp keys that are lit, in id order.
    void WriteLamps();
    // A file of the program folder, byte for byte (see script_output.h).
    void WriteFile(std::string_view name);
    // Only the size of the file in bytes: for programs too long to print.
    void WriteFileSize(std::string_view name);

private:
    // Alerts
    void Message(std::string_view text) override;
    bool Question(std::string_view text) override;
    // MoveObserver
    void OnMoveTool(float col, float row, MoveMode mode) override;

    void SetUp();

    ScriptSetup setup_;
    std::ostream& out_;
    LcdFrameWindow window_;
    PlainFields fields_;
    VirtualClock clock_;  // time passes only when a turn must wait
    Station station_;
    bool answerOk_ = true;
};

}  // namespace zan
