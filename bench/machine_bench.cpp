// How fast the machine moves and cuts, and how fast paths are generated.

#include <benchmark/benchmark.h>

#include <memory>

#include "null_ports.h"

namespace zan::bench {
namespace {

// One MoveTool call that cuts, sweeping the tool to and fro along the blank
// (columns 300..450, edge at row 310.5: every call lowers material or meets
// the surface it cut).
void BM_MoveToolCut(benchmark::State& state)
{
    auto machine = std::make_unique<NullMachine>();
    machine->lathe.state.speedLevel = 3;  // no repaint under the tool
    machine->lathe.state.toolStation = static_cast<int>(state.range(0));
    float z = 300;
    float dz = 1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(machine->lathe.MoveTool(z, 380.5f, MoveMode::Cut));
        z += dz;
        if (z >= 450 || z <= 300) dz = -dz;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_MoveToolCut)->Arg(1)->Arg(2)->Arg(4);

// Recording a long linear path into the buffer (generation only, no playback).
void BM_LinearPathGeneration(benchmark::State& state)
{
    auto machine = std::make_unique<NullMachine>();
    Motion& motion = machine->station.motion;
    long points = 0;
    for (auto _ : state) {
        motion.PathStep(0, 0, PathMode::Rewind);
        machine->lathe.state.posZ = 240;
        machine->lathe.state.posX = 300;
        motion.LinearMove(990, 700, 100);
        points += motion.buffer().writeIndex;
    }
    state.SetItemsProcessed(points);
    state.counters["points/s"] = benchmark::Counter(double(points), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_LinearPathGeneration);

void BM_RapidPathGeneration(benchmark::State& state)
{
    auto machine = std::make_unique<NullMachine>();
    Motion& motion = machine->station.motion;
    long points = 0;
    for (auto _ : state) {
        motion.PathStep(0, 0, PathMode::Rewind);
        machine->lathe.state.drawnZ = 240;
        machine->lathe.state.drawnX = 300;
        motion.RapidMove(990, 700);
        points += motion.buffer().writeIndex;
    }
    state.counters["points/s"] = benchmark::Counter(double(points), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_RapidPathGeneration);

}  // namespace
}  // namespace zan::bench
