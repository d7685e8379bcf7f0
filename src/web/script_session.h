#pragma once
// A key script played on a fresh controller that the page shows while it
// plays: what `zan400lt-run --keys` does, a little at a time, with the LCD
// and the lathe view drawn so that the student sees the keys act. Its output
// is the runner's standard output for the same script and program folder.

#include <memory>
#include <optional>
#include <sstream>
#include <string>

#include "core/station/script_player.h"
#include "core/station/scripted_controller.h"

namespace zan::web {

struct ScriptOptions {
    bool trace = false;                 // --trace: every tool move as "Z X"
    std::optional<std::string> offsets; // --offsets: a Dset.dat file to read
    int speedLevel = 0;
};

class ScriptSession {
public:
    ScriptSession(const std::string& data, const std::string& programs, const std::string& script,
                  const ScriptOptions& options);

    // Plays on for at most `turnBudget` turns; true while there is more.
    bool Play(long turnBudget) { return player_->Play(turnBudget); }
    std::string output() const { return out_.str(); }
    // What the runner writes on standard error where the script stopped
    // early (a bad line, a run that did not end); empty otherwise.
    std::string failure() const;
    int lineNumber() const { return player_->lineNumber(); }
    ScriptedController& controller() { return *controller_; }

private:
    std::ostringstream out_;
    std::unique_ptr<ScriptedController> controller_;
    std::unique_ptr<ScriptPlayer> player_;
};

}  // namespace zan::web
