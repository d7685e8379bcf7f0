#pragma once
// Key scripts: what a student does at the controller, written as text, one
// command a line, for runs and tests without a window.
//
//   key ID             click the panel key ID (1000..1079, as the key table has them)
//   press ID           hold the jog key ID (1069..1072) down
//   release ID         and let it go
//   pad C              the second key pad's key with the panel key code C
//   type TEXT          type TEXT, the rest of the line, into the focused field
//   return             the Return key in the focused field
//   idle N             N turns of the run loop
//   run                turns until no program runs
//   answer ok|cancel   how the questions from now on are answered
//   screen             write the LCD as it stands
//   # ...              a comment; blank lines are skipped as well
//
// A line that cannot be read stops the script before it acts; so does a run
// still going after the turns allowed.

#include <istream>
#include <optional>
#include <string>
#include <string_view>

#include "core/station/scripted_controller.h"

namespace zan {

enum class ScriptEnd {
    Done,       // every line ran
    BadLine,    // an unknown command or a bad argument
    TurnLimit,  // "run" found the program still running after the turns allowed
};

struct ScriptStop {
    ScriptEnd end = ScriptEnd::Done;
    int lineNumber = 0;  // counted from 1; 0 when the script ran to its end
    std::string line;    // the line that stopped it, as written
    std::string reason;
};

// The turns of the run loop a line asks for, for a player that spreads them
// over time: "idle N" makes N turns, "run" turns while a program runs (at most
// the controller's maxTurns). Empty for every other line, and for a bad one
// (RunScriptLine refuses it).
struct ScriptTurns {
    long turns = 0;
    bool whileRunning = false;
};
std::optional<ScriptTurns> TurnsOfLine(std::string_view line);
// What "run" stops with when the program still runs after the turns allowed.
ScriptStop StillRunning(long maxTurns);

// One line of a script; the stop's line number is left 0.
ScriptStop RunScriptLine(ScriptedController& controller, std::string_view line);
// The lines of `script` in order, until one stops it. Lines may end in CR LF.
ScriptStop RunScript(ScriptedController& controller, std::istream& script);

}  // namespace zan
