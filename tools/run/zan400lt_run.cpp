// zan400lt-run: runs a part program on a machine without a window, for
// instructors checking many students' programs and for end-to-end tests.

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/lathe/workpiece_image.h"
#include "core/station/headless.h"
#include "core/files/parameter_files.h"
#include "core/files/program_file.h"
#include "run_options.h"

namespace {

constexpr int kExitFinished = 0;
constexpr int kExitStopped = 1;
constexpr int kExitUsage = 2;

int Usage(const std::string& reason)
{
    std::fprintf(stderr, "zan400lt-run: %s\n%s", reason.c_str(), zan::tool::kRunUsage);
    return kExitUsage;
}

// The offsets of the panel's table: tool n is (Z, X) at records 2(n-1), 2(n-1)+1.
void ApplyOffsets(const zan::ToolOffsets& table, zan::HeadlessSetup& setup)
{
    for (int n = 1; n <= 9; ++n) setup.offsets[n] = zan::OffsetPair{table[2 * (n - 1)], table[2 * (n - 1) + 1]};
}

}  // namespace

int main(int argc, char** argv)
{
    using namespace zan;
    tool::RunOptions options;
    if (const std::string error = tool::ParseRunOptions(argc, argv, options); !error.empty()) return Usage(error);
    if (options.help) {
        std::fputs(tool::kRunUsage, stdout);
        return kExitFinished;
    }

    const auto program = ReadProgramText(options.program);
    if (!program) return Usage("cannot read program file " + options.program.string());

    HeadlessSetup setup;
    setup.folder = ProgramFolder::OfExecutable();
    setup.speedLevel = options.speedLevel;
    if (!options.paramsFile.empty()) {
        if (!std::filesystem::is_regular_file(options.paramsFile))
            return Usage("cannot read parameter file " + options.paramsFile.string());
        const Parameters p = ReadParameters(options.paramsFile);
        setup.overrides.rapidRateZ = p[4];  // P05, P06: the rapid rates
        setup.overrides.rapidRateX = p[5];
    }
    if (!options.offsetsFile.empty()) {
        if (!std::filesystem::is_regular_file(options.offsetsFile))
            return Usage("cannot read offset file " + options.offsetsFile.string());
        ApplyOffsets(ReadOffsets(options.offsetsFile), setup);
    }

    HeadlessMachine machine(setup);
    LatheState& s = machine.lathe().state;
    if (options.blankDiameter) s.blankDiameter = *options.blankDiameter;
    if (options.blankLength) s.blankEnd = 153 + *options.blankLength;
    machine.onMessage = [](std::string_view text) {
        std::fwrite(text.data(), 1, text.size(), stderr);
        std::fputc('\n', stderr);
    };
    if (options.trace) {
        machine.onMove = [&s](float col, float row) {
            std::printf("%.3f %.3f\n", double(col) + s.originZ, 2.0 * (double(row) + s.originX));
        };
    }
    machine.LoadProgram(*program);
    const RunEnd end = machine.Run(options.maxTurns);
    std::fflush(stdout);

    if (!options.mapFile.empty() && !WriteMapFile(options.mapFile, s)) {
        std::fprintf(stderr, "zan400lt-run: cannot write %s\n", options.mapFile.string().c_str());
        return kExitStopped;
    }
    if (end == RunEnd::TurnLimit)
        std::fprintf(stderr, "zan400lt-run: still running after %ld turns\n", options.maxTurns);
    return end == RunEnd::Finished ? kExitFinished : kExitStopped;
}
