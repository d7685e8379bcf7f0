// Headless program runs: blocks and path points per second on the sample
// programs and on a long generated program.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "core/station/headless.h"
#include "core/files/program_file.h"

namespace zan::bench {
namespace {

std::string SampleText(const std::string& name)
{
    const auto text = ReadProgramText(std::filesystem::path(ZAN_SAMPLES) / name);
    return text ? *text : std::string();
}

// 900 blocks of turning passes, each a G90 cycle of about a hundred points.
std::string LongProgram()
{
    std::string text = "N0000 M03\r\nN0010 G00 X104 Z2\r\n";
    for (int i = 0; i < 900; ++i) {
        const int diameter = 98 - (i % 40);
        text += "N" + std::to_string(20 + i) + " G90 X" + std::to_string(diameter) + " Z-60 F150\r\n";
    }
    return text + "N9999 M30";
}

void RunProgram(benchmark::State& state, const std::string& text)
{
    long blocks = 0;
    long points = 0;
    for (auto _ : state) {
        HeadlessSetup setup;
        setup.folder = ProgramFolder(ZAN_SAMPLES);
        HeadlessMachine machine(setup);
        machine.LoadProgram(text);
        if (machine.Run(RunLimits{100000000, RunLimits::kDefaultWork}) != RunEnd::Finished) state.SkipWithError("the program did not finish");
        blocks += machine.blocks();
        points += machine.moves();
    }
    state.counters["blocks/s"] = benchmark::Counter(double(blocks), benchmark::Counter::kIsRate);
    state.counters["points/s"] = benchmark::Counter(double(points), benchmark::Counter::kIsRate);
}

void BM_Sample(benchmark::State& state)
{
    const std::string name = (state.range(0) < 10 ? "0" : "") + std::to_string(state.range(0)) + ".zan";
    RunProgram(state, SampleText(name));
}
BENCHMARK(BM_Sample)->DenseRange(1, 7)->Unit(benchmark::kMicrosecond);

void BM_LongProgram(benchmark::State& state) { RunProgram(state, LongProgram()); }
BENCHMARK(BM_LongProgram)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zan::bench
