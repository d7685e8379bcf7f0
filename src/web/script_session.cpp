#include "web/script_session.h"

#include "core/files/file_replace.h"
#include "core/files/parameter_files.h"

namespace zan::web {

ScriptSession::ScriptSession(const std::string& data, const std::string& programs, const std::string& script,
                             const ScriptOptions& options)
{
    // As the runner does when it opens a folder: saves killed half-way leave files to remove.
    RemoveSaveLeftovers(programs);
    ScriptSetup setup;
    setup.folder = ProgramFolder(data);
    setup.programs = ProgramFolder(programs);
    setup.speedLevel = options.speedLevel;
    setup.trace = options.trace;
    setup.drawLcd = true;
    setup.drawView = true;
    if (options.offsets) setup.offsets = ReadOffsets(*options.offsets);
    controller_ = std::make_unique<ScriptedController>(std::move(setup), out_);
    player_ = std::make_unique<ScriptPlayer>(*controller_, script);
}

std::string ScriptSession::failure() const
{
    const ScriptStop& stop = player_->stop();
    if (!player_->done() || stop.end == ScriptEnd::Done) return {};
    const std::string where = "script:" + std::to_string(stop.lineNumber);
    if (stop.end == ScriptEnd::BadLine) return "zan400lt-run: " + where + ": \"" + stop.line + "\": " + stop.reason;
    return "zan400lt-run: " + where + ": " + stop.reason;
}

}  // namespace zan::web
