#pragma once
// Running one student's program, or the reference, on a machine without a
// window, and what came of it: how the run ended and why, and the part.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/grading/comparison.h"
#include "core/station/headless.h"

namespace zan {

enum class RunStatus {
    Finished,    // ran to its end
    Alarm,       // a move was stopped by an alarm
    TurnLimit,   // still running after the allowed turns: it hangs
    WorkLimit,   // still running after the allowed work: it hangs
    Unreadable,  // no program could be read
};

// "finished", "alarm", "turn-limit", "work-limit", "unreadable"
std::string_view StatusName(RunStatus status);

// A program file's text, or why it is not a program, in the words of the
// runner and the grader, which refuse every fault the program loader finds:
// the file cannot be read, is no regular file (a FIFO, a device) or larger
// than any program the controller holds, holds nothing, holds bytes that are
// no text (a binary file), or has more lines than the controller keeps (the
// controller's own message). Both judge a file alike.
struct ProgramText {
    std::string text;
    std::string problem;  // empty when `text` is a program
};
ProgramText ReadStudentProgram(const std::filesystem::path& path);

struct ProgramRun {
    RunStatus status = RunStatus::Unreadable;
    // The alarm's text and the block that raised it, how long a hanging
    // program ran, or why nothing ran.
    std::string detail;
    std::vector<std::string> messages;  // every other message shown, each once
    std::optional<PartProfile> part;    // as turned (also when stopped); none when unreadable
    std::optional<PartProfile> asImage; // the same part as a workpiece image would keep it
};

// Runs `text` on `machine` from its reset state.
ProgramRun RunProgramText(HeadlessMachine& machine, std::string_view text, const RunLimits& limits);

// The part to compare with: a workpiece image (a file named *.map, any case,
// refused unless it is one) or a program run to its end on a fresh machine of
// the given set-up.
struct Reference {
    PartProfile part;
    bool image = false;
    std::string problem;  // empty when the reference could be made
};
Reference LoadReference(const std::filesystem::path& path, const HeadlessSetup& setup, const RunLimits& limits);

// The run's part against the reference: at full precision, or as images keep
// parts when the reference is one. Needs a run with a part.
Comparison CompareRun(const ProgramRun& run, const Reference& reference, double tolerance);

}  // namespace zan
