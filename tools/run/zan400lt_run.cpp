// zan400lt-run: runs a part program on a machine without a window, for
// instructors checking many students' programs and for end-to-end tests; or,
// with --keys, plays a key script on the whole controller.

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "core/files/data_folders.h"
#include "core/files/parameter_files.h"
#include "core/files/png_file.h"
#include "core/files/program_file.h"
#include "core/files/rgba_frame.h"
#include "core/lathe/workpiece_image.h"
#include "core/grading/part_picture.h"
#include "core/grading/program_runs.h"
#include "core/station/headless.h"
#include "core/station/key_script.h"
#include "core/station/move_trace.h"
#include "core/text/program_info.h"
#include "run_options.h"

namespace {

using namespace zan;

constexpr int kExitFinished = 0;
constexpr int kExitStopped = 1;
constexpr int kExitUsage = 2;
constexpr int kExitOutsideTolerance = 4;

constexpr const char* kProgram = "zan400lt-run";

int Usage(const std::string& reason)
{
    std::fputs(UsageErrorText(kProgram, reason).c_str(), stderr);
    return kExitUsage;
}

// An unreadable file named on the command line: one line, no hint.
int Unreadable(const std::string& what)
{
    std::fprintf(stderr, "%s: %s\n", kProgram, what.c_str());
    return kExitUsage;
}

// An input that cannot be used, named without the usage text.
int Refuse(const std::string& reason)
{
    std::fprintf(stderr, "zan400lt-run: %s\n", reason.c_str());
    return kExitUsage;
}

// The parameter and offset files named on the command line; empty on success,
// else what could not be read.
std::string ReadSetupFiles(const tool::RunOptions& options, std::optional<Parameters>& parameters,
                           std::optional<ToolOffsets>& offsets)
{
    if (!options.paramsFile.empty()) {
        if (!std::filesystem::is_regular_file(options.paramsFile))
            return "cannot read parameter file " + options.paramsFile.string();
        parameters = ReadParameters(options.paramsFile);
    }
    if (!options.offsetsFile.empty()) {
        if (!std::filesystem::is_regular_file(options.offsetsFile))
            return "cannot read offset file " + options.offsetsFile.string();
        offsets = ReadOffsets(options.offsetsFile);
    }
    return {};
}

// False (and said so) when the map file was asked for and could not be written.
bool WriteMap(const tool::RunOptions& options, const LatheState& s)
{
    if (options.mapFile.empty() || WriteMapFile(options.mapFile, s)) return true;
    std::fprintf(stderr, "zan400lt-run: cannot write %s\n", options.mapFile.string().c_str());
    return false;
}

// The offsets of the panel's table: tool n is (Z, X) at records 2(n-1), 2(n-1)+1.
void ApplyOffsets(const ToolOffsets& table, HeadlessSetup& setup)
{
    for (int n = 1; n <= 9; ++n) setup.offsets[n] = OffsetPair{table[2 * (n - 1)], table[2 * (n - 1) + 1]};
}

// A bare program name that is not in the current folder is a program of
// the store ("zan400lt-run 05.zan").
std::filesystem::path ProgramPath(const tool::RunOptions& options, const DataFolders& folders)
{
    const std::filesystem::path& program = options.program;
    std::error_code error;
    if (program.has_parent_path() || std::filesystem::exists(program, error)) return program;
    return folders.programs.File(program.string());
}

// The machine the options describe; empty on success, else what could not be read.
std::string MachineSetup(const tool::RunOptions& options, const DataFolders& folders, HeadlessSetup& setup)
{
    setup.folder = folders.data;
    setup.speedLevel = options.speedLevel;
    setup.blankDiameter = options.blankDiameter;
    setup.blankLength = options.blankLength;
    std::optional<Parameters> parameters;
    std::optional<ToolOffsets> offsets;
    if (std::string error = ReadSetupFiles(options, parameters, offsets); !error.empty()) return error;
    if (parameters) {
        setup.overrides.rapidRateZ = (*parameters)[4];  // P05, P06: the rapid rates
        setup.overrides.rapidRateX = (*parameters)[5];
    }
    if (offsets) ApplyOffsets(*offsets, setup);
    return {};
}

// --compare and --png after the run: the comparison on standard output, the
// picture into its file. The exit status, or none to keep the run's.
std::optional<int> CompareAndDraw(const tool::RunOptions& options, const LatheState& s, RunEnd end,
                                  const std::optional<Reference>& reference)
{
    const PartProfile part = ProfileOf(s);
    std::optional<Comparison> comparison;
    if (reference) {
        const ProgramRun run{RunStatus::Finished, {}, {}, part, ImageProfileOf(s)};
        comparison = CompareRun(run, *reference, options.tolerance);
        std::printf("reference: %s\n", options.reference.string().c_str());
        for (const std::string& line : DescribeComparison(*comparison)) std::puts(line.c_str());
        std::size_t columns = 0;
        for (const DeviationRange& range : comparison->outside) columns += range.last - range.first + 1;
        const std::string limit = Millimetres(options.tolerance) + " mm of diameter";
        if (end != RunEnd::Finished) std::puts("verdict: fail, the program did not run to its end");
        else if (comparison->within()) std::printf("verdict: pass, within %s\n", limit.c_str());
        else std::printf("verdict: fail, %zu columns outside %s\n", columns, limit.c_str());
        std::fflush(stdout);
    }
    if (!options.pngFile.empty() &&
        !WritePngFile(options.pngFile, DrawPartPicture(part, reference ? &reference->part : nullptr,
                                                       comparison ? &*comparison : nullptr))) {
        std::fprintf(stderr, "zan400lt-run: cannot write %s\n", options.pngFile.string().c_str());
        return kExitStopped;
    }
    if (comparison && end == RunEnd::Finished && !comparison->within()) return kExitOutsideTolerance;
    return std::nullopt;
}

int RunProgram(const tool::RunOptions& options, const DataFolders& folders)
{
    // Read and judged as the grader reads a student's file, so that the exit
    // status and the grader's row agree.
    const ProgramText program = ReadStudentProgram(ProgramPath(options, folders));
    if (!program.problem.empty()) return Unreadable(options.program.string() + ": " + program.problem);

    HeadlessSetup setup;
    if (const std::string error = MachineSetup(options, folders, setup); !error.empty()) return Unreadable(error);
    std::optional<Reference> reference;
    if (!options.reference.empty()) {
        reference = LoadReference(options.reference, setup, options.limits);
        if (!reference->problem.empty()) return Refuse(reference->problem);
    }

    HeadlessMachine machine(setup);
    LatheState& s = machine.lathe().state;
    machine.onMessage = [](std::string_view text) {
        std::fwrite(text.data(), 1, text.size(), stderr);
        std::fputc('\n', stderr);
    };
    if (options.trace) machine.onMove = [&s](float col, float row) { std::puts(MoveTraceLine(s, col, row).c_str()); };
    machine.LoadProgram(program.text);
    const RunEnd end = machine.Run(options.limits);
    std::fflush(stdout);

    if (!WriteMap(options, s)) return kExitStopped;
    if (end == RunEnd::TurnLimit)
        std::fprintf(stderr, "zan400lt-run: still running after %ld turns\n", options.limits.turns);
    if (end == RunEnd::WorkLimit)
        std::fprintf(stderr, "zan400lt-run: still running after %ld path points\n", options.limits.work);
    if (const std::optional<int> status = CompareAndDraw(options, s, end, reference)) return *status;
    return end == RunEnd::Finished ? kExitFinished : kExitStopped;
}

// A frame's pixels without their alpha, for a PNG file.
RgbPicture PictureOf(const RgbaFrame& frame)
{
    RgbPicture picture(frame.width(), frame.height(), 0);
    for (int y = 0; y < frame.height(); ++y)
        for (int x = 0; x < frame.width(); ++x) picture.Set(x, y, frame.At(x, y) & ~kOpaqueAlpha);
    return picture;
}

int RunKeys(const tool::RunOptions& options, const DataFolders& folders)
{
    std::ifstream script(options.keysFile, std::ios::binary);
    if (!script) return Unreadable("cannot read key script " + options.keysFile.string());

    ScriptSetup setup;
    setup.folder = folders.data;
    setup.programs = folders.programs;
    setup.speedLevel = options.speedLevel;
    setup.blankDiameter = options.blankDiameter;
    setup.blankLength = options.blankLength;
    setup.trace = options.trace;
    setup.drawLcd = !options.lcdPngFile.empty();
    setup.drawView = !options.viewPngFile.empty();
    setup.maxTurns = options.limits.turns;
    if (const std::string error = ReadSetupFiles(options, setup.parameters, setup.offsets); !error.empty())
        return Unreadable(error);

    ScriptedController controller(setup, std::cout);
    const ScriptStop stop = RunScript(controller, script);
    std::cout.flush();
    const std::string where = options.keysFile.string() + ":" + std::to_string(stop.lineNumber);
    if (stop.end == ScriptEnd::BadLine) {
        std::fprintf(stderr, "zan400lt-run: %s: \"%s\": %s\n", where.c_str(), stop.line.c_str(), stop.reason.c_str());
        return kExitUsage;
    }
    if (!WriteMap(options, controller.station().lathe.state)) return kExitStopped;
    if (!options.lcdPngFile.empty() && !WritePngFile(options.lcdPngFile, PictureOf(controller.lcd()))) {
        std::fprintf(stderr, "zan400lt-run: cannot write %s\n", options.lcdPngFile.string().c_str());
        return kExitStopped;
    }
    if (!options.viewPngFile.empty() &&
        !WritePngFile(options.viewPngFile, PictureOf(controller.station().view()->frame()))) {
        std::fprintf(stderr, "zan400lt-run: cannot write %s\n", options.viewPngFile.string().c_str());
        return kExitStopped;
    }
    if (stop.end == ScriptEnd::TurnLimit) {
        std::fprintf(stderr, "zan400lt-run: %s: %s\n", where.c_str(), stop.reason.c_str());
        return kExitStopped;
    }
    return kExitFinished;
}

}  // namespace

int main(int argc, char** argv)
{
    tool::RunOptions options;
    if (const std::string error = tool::ParseRunOptions(argc, argv, options); !error.empty()) return Usage(error);
    std::optional<std::filesystem::path> programs;
    if (!options.programsDir.empty()) programs = options.programsDir;
    // A folder that is not there would give an empty store and runs that find nothing.
    if (std::error_code error; programs && !options.help && !options.version &&
                               !std::filesystem::is_directory(*programs, error))
        return Usage("no program folder " + programs->string());
    if (options.version) {
        std::fputs(VersionText(kProgram).c_str(), stdout);
        return kExitFinished;
    }
    if (options.help) {
        std::fputs(tool::kRunUsage, stdout);
        std::printf("\n%s.\n", ProgramFolderNote(LocateDataFolders(programs)).c_str());
        return kExitFinished;
    }
    std::string problem;
    const DataFolders folders = DataFoldersOfProcess(programs, problem);
    if (!problem.empty()) std::fprintf(stderr, "%s: %s\n", kProgram, problem.c_str());
    return options.keysFile.empty() ? RunProgram(options, folders) : RunKeys(options, folders);
}
