#include "core/station/script_player.h"

namespace zan {

ScriptPlayer::ScriptPlayer(ScriptedController& controller, std::string_view script) : controller_(controller)
{
    // Lines as std::getline reads them: a last line without its break counts.
    std::size_t at = 0;
    while (at < script.size()) {
        const std::size_t end = script.find('\n', at);
        const std::size_t stop = end == std::string_view::npos ? script.size() : end;
        lines_.emplace_back(script.substr(at, stop - at));
        at = stop + 1;
    }
    done_ = lines_.empty();
}

void ScriptPlayer::Finish(ScriptStop stop)
{
    if (stop.end != ScriptEnd::Done) {
        stop.lineNumber = next_;
        std::string line = lines_[next_ - 1];
        if (line.ends_with('\r')) line.pop_back();
        stop.line = std::move(line);
    }
    stop_ = std::move(stop);
    done_ = true;
}

bool ScriptPlayer::StartLine()
{
    const std::string& line = lines_[next_++];
    if (const std::optional<ScriptTurns> turns = TurnsOfLine(line)) {
        turnsLeft_ = turns->whileRunning ? controller_.maxTurns() : turns->turns;
        whileRunning_ = turns->whileRunning;
        return true;
    }
    ScriptStop stop = RunScriptLine(controller_, line);
    if (stop.end == ScriptEnd::Done) return true;
    Finish(std::move(stop));
    return false;
}

bool ScriptPlayer::Play(long turnBudget)
{
    long spent = 0;
    while (!done_ && spent < turnBudget) {
        if (turnsLeft_ > 0 && !(whileRunning_ && !controller_.station().running())) {
            controller_.Idle(1);
            --turnsLeft_;
            ++spent;
            continue;
        }
        // "run" used up its turns with the program still running.
        if (whileRunning_ && controller_.station().running()) {
            Finish(StillRunning(controller_.maxTurns()));
            break;
        }
        turnsLeft_ = 0;
        whileRunning_ = false;
        if (next_ == static_cast<int>(lines_.size())) {
            Finish({});
            break;
        }
        if (!StartLine()) break;
        ++spent;
    }
    return !done_;
}

}  // namespace zan
