// The lathe view's drawing costs, offscreen:
//   cmake -B build/bench -DZAN_BENCH=ON -DCMAKE_BUILD_TYPE=Release
//   cmake --build build/bench --target gui_bench && QT_QPA_PLATFORM=offscreen build/bench/bin/gui_bench
// A program run moves the tool once per path point, so MoveTool with its
// drawing must stay within a few microseconds; a full repaint happens on
// region refreshes and must stay well under a millisecond.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <cstdio>
#include <memory>

#include "gui/lathe/orbel_view.h"
#include "core/lathe/quiet_ports.h"
#include "null_ports.h"

namespace {

using zan::gui::COrbelView;

// The core's view drawn by the machine, and the window that shows it.
struct ViewMachine {
    zan::bench::NullAlerts alerts;
    zan::VirtualClock clock;
    zan::QuietPanel panel;
    zan::LatheView view{false};
    zan::Station station{zan::Ports{alerts, clock, view, panel}, zan::StationOptions{}};
    COrbelView window{view};
    ViewMachine()
    {
        view.Attach(station.lathe);
        window.Attach(station);
        station.lathe.state.spindleState = 1;
        station.lathe.state.chuckOpen = false;
        view.RepaintAll();
    }
};

// One column per call along Z below the workpiece: erase, reflect, draw the
// tool and its turret picture, nozzle and the workpiece band under the tool.
void BM_MoveToolDrawing(benchmark::State& state)
{
    ViewMachine m;
    zan::Lathe& lathe = m.station.lathe;
    const float row = static_cast<float>(state.range(0));
    float z = 400.0f, step = 1.0f;
    for (auto _ : state) {
        z += step;
        if (z >= 700.0f || z <= 300.0f) step = -step;
        benchmark::DoNotOptimize(lathe.MoveTool(z, row, zan::MoveMode::Cut));
    }
}
BENCHMARK(BM_MoveToolDrawing)->Arg(380)->Arg(352);  // 352: cutting 10 mm deep on the way

void BM_FullRepaint(benchmark::State& state)
{
    ViewMachine m;
    for (auto _ : state) m.view.RepaintAll();
}
BENCHMARK(BM_FullRepaint);

// Constructing the view (machine, pictures, first picture) and painting it.
void BM_ViewStartUp(benchmark::State& state)
{
    for (auto _ : state) {
        ViewMachine m;
        m.window.show();
        m.window.repaint();
        benchmark::DoNotOptimize(m.window.backing().constBits());
    }
}
BENCHMARK(BM_ViewStartUp)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    QElapsedTimer sinceStart;
    sinceStart.start();
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    {
        // From the program's start to the first frame on screen.
        auto first = std::make_unique<ViewMachine>();
        first->window.show();
        first->window.repaint();
        std::printf("start-up to the first painted frame: %.1f ms\n", sinceStart.nsecsElapsed() / 1e6);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
