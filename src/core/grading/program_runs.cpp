#include "core/grading/program_runs.h"

#include <algorithm>
#include <cctype>

#include "core/files/map_file.h"
#include "core/files/program_file.h"
#include "core/files/program_load.h"

namespace zan {

namespace {

bool IsImageFile(const std::filesystem::path& path)
{
    std::string extension = path.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension == ".map";
}

// "line 3: N0020 G00 X100 Z-300", the line counted from 1.
std::string BlockText(const LineTable& table, int line)
{
    if (line < 0 || line >= LineTable::kRows) return "no block";
    const auto& row = table.rows[line];
    std::string text(row.data(), std::find(row.begin(), row.begin() + LineTable::kTextBytes, '\0'));
    while (!text.empty() && (text.back() == ' ' || text.back() == '\r')) text.pop_back();
    return "line " + std::to_string(line + 1) + ": " + text;
}

void Describe(HeadlessMachine& machine, RunEnd end, const RunLimits& limits, ProgramRun& run)
{
    const LineTable& table = machine.lathe().state.lineTable;
    switch (end) {
    case RunEnd::Finished: run.status = RunStatus::Finished; break;
    case RunEnd::Alarm:
        run.status = RunStatus::Alarm;
        run.detail = machine.alarmText() + " at " + BlockText(table, machine.alarmLine());
        std::erase(run.messages, machine.alarmText());
        break;
    case RunEnd::TurnLimit:
        run.status = RunStatus::TurnLimit;
        run.detail = "still running after " + std::to_string(limits.turns) + " turns, at " +
                     BlockText(table, machine.blockLine());
        break;
    case RunEnd::WorkLimit:
        run.status = RunStatus::WorkLimit;
        run.detail = "still running after " + std::to_string(limits.work) + " path points, at " +
                     BlockText(table, machine.blockLine());
        break;
    }
}

}  // namespace

std::string_view StatusName(RunStatus status)
{
    switch (status) {
    case RunStatus::Finished: return "finished";
    case RunStatus::Alarm: return "alarm";
    case RunStatus::TurnLimit: return "turn-limit";
    case RunStatus::WorkLimit: return "work-limit";
    case RunStatus::Unreadable: break;
    }
    return "unreadable";
}

ProgramText ReadStudentProgram(const std::filesystem::path& path)
{
    ProgramText program;
    ProgramLoad load = LoadProgramFile(path);
    switch (load.fault) {
    case ProgramFault::None: program.text = std::move(*load.text); break;
    case ProgramFault::Missing:
    case ProgramFault::NotRegular:
    case ProgramFault::Unreadable: program.problem = "cannot read the file: " + load.reason; break;
    case ProgramFault::TooLarge:
        program.problem = "larger than a program the controller can hold (" + std::to_string(kMaxProgramFileBytes) +
                          " bytes)";
        break;
    case ProgramFault::Binary: program.problem = "not a program text (a binary file)"; break;
    case ProgramFault::Empty: program.problem = "the file holds no program"; break;
    case ProgramFault::TooManyLines: program.problem = kTooManyLinesMessage; break;
    }
    return program;
}

ProgramRun RunProgramText(HeadlessMachine& machine, std::string_view text, const RunLimits& limits)
{
    ProgramRun run;
    machine.Reset();
    machine.onMessage = [&run](std::string_view message) {
        if (std::find(run.messages.begin(), run.messages.end(), message) == run.messages.end())
            run.messages.emplace_back(message);
    };
    machine.LoadProgram(text);
    const RunEnd end = machine.Run(limits);
    machine.onMessage = nullptr;
    Describe(machine, end, limits, run);
    const LatheState& state = machine.lathe().state;
    run.part = ProfileOf(state);
    run.asImage = ImageProfileOf(state);
    return run;
}

Reference LoadReference(const std::filesystem::path& path, const HeadlessSetup& setup, const RunLimits& limits)
{
    Reference reference;
    const std::string name = path.string();
    if (IsImageFile(path)) {
        reference.image = true;
        const CheckedMapImage image = ReadCheckedMapImage(path);
        if (image.problem.empty()) reference.part = ProfileOfImage(image.contents);
        else reference.problem = "reference " + name + ": " + image.problem;
        return reference;
    }
    const ProgramText program = ReadStudentProgram(path);
    if (!program.problem.empty()) {
        reference.problem = "reference program " + name + ": " + program.problem;
        return reference;
    }
    HeadlessMachine machine(setup);
    const ProgramRun run = RunProgramText(machine, program.text, limits);
    if (run.status != RunStatus::Finished)
        reference.problem = "the reference program " + name + " did not run to its end: " + run.detail;
    else
        reference.part = *run.part;
    return reference;
}

Comparison CompareRun(const ProgramRun& run, const Reference& reference, double tolerance)
{
    Comparison comparison = CompareParts(reference.image ? *run.asImage : *run.part, reference.part, tolerance);
    comparison.wholeMillimetres = reference.image;
    return comparison;
}

}  // namespace zan
