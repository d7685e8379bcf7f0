#pragma once
// A key script played a little at a time, for a front end that shows it
// being played (a web page's demonstration, its script entry point): each
// call plays lines until it has made the turns of the run loop it was
// allowed, so that the page can paint between calls. Played to its end, the
// output is exactly what RunScript writes for the same script, since nothing
// else touches the controller between the calls.

#include <string>
#include <string_view>
#include <vector>

#include "core/station/key_script.h"

namespace zan {

class ScriptPlayer {
public:
    ScriptPlayer(ScriptedController& controller, std::string_view script);

    // Plays on for at most `turnBudget` turns (a line that makes no turn
    // counts as one). True while the script has more to play.
    bool Play(long turnBudget);
    bool done() const { return done_; }
    // How the script ended; meaningful once done.
    const ScriptStop& stop() const { return stop_; }
    // The line played last, counted from 1 (0 before the first).
    int lineNumber() const { return next_; }

private:
    bool StartLine();  // false when the line stopped the script
    void Finish(ScriptStop stop);

    ScriptedController& controller_;
    std::vector<std::string> lines_;
    int next_ = 0;             // lines started so far
    long turnsLeft_ = 0;       // of the line being played
    bool whileRunning_ = false;
    bool done_ = false;
    ScriptStop stop_;
};

}  // namespace zan
