// The operator panel's LCD, offscreen:
//   cmake -B build/bench -DZAN_BENCH=ON -DZAN_TESTS=OFF -DCMAKE_BUILD_TYPE=Release
//   cmake --build build/bench --target lcd_bench && QT_QPA_PLATFORM=offscreen build/bench/bin/lcd_bench
// Every panel key redraws the whole LCD, and a jog redraws it once per unit
// of travel, so a full redraw onto the panel's backing image must stay well
// under half a millisecond.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCoreApplication>
#include <QWidget>

#include "core/lathe/quiet_ports.h"
#include "core/station/station.h"
#include "core/lcd/lcd_renderer.h"
#include "gui/panel/panel_windows.h"
#include "null_ports.h"

namespace {

// The manual mode's screen as the controller draws it: name, mode bar, body,
// title, machine status block, position read-out in the large font and the
// mode highlight; 24 texts, about 330 cells.
zan::LcdScreen ManualScreen()
{
    using zan::LcdFont;
    using zan::LcdVideo;
    zan::LcdScreen s;
    s.Begin();
    s.Text(40, 45, "Zandro", LcdVideo::Inverse);
    s.Text(23, 203, "   ┃编辑 手动 自动 参数 刀偏  诊断┃");
    s.Text(23, 191, "   ┏━━━━━━━━━━━━━━━┓");
    s.ClearBody();
    s.Text(89, 45, " 手动点动                   ");
    const char* labels[][2] = {{"进给倍率", "100%"}, {"快速倍率", "100%"}, {"冷却状态", "关"}};
    for (int row = 0; row < 3; ++row) {
        s.Text(53, 155 + 14 * row, labels[row][0]);
        s.Text(row < 2 ? 107 : 110, 155 + 14 * row, labels[row][1], row < 2 ? LcdVideo::Inverse : LcdVideo::Normal);
    }
    s.Text(155, 155, "主轴状态");
    s.Text(209, 155, "停止");
    s.Text(155, 169, "主轴转速 XXXX");
    s.Text(197, 183, "偏置 0");
    s.Text(155, 183, "刀号 1");
    s.Text(65, 80, "X 0100.000", LcdVideo::Normal, LcdFont::Large);
    s.Text(65, 105, "Z 0250.000", LcdVideo::Normal, LcdFont::Large);
    for (int k = 0; k < 5; ++k) s.Text(28 + 48 * k, 57, "%0" + std::to_string(k + 1), LcdVideo::Normal, LcdFont::Wide);
    s.Text(23, 183, "    程序数：5       可用长度：99999");
    s.Text(82, 203, "手动", LcdVideo::Inverse);
    return s;
}

// The redraw as the panel's window port takes it: rendered onto the backing
// image, the changed rectangle queued for repainting.
void BM_LcdRedraw(benchmark::State& state)
{
    QWidget owner;
    zan::gui::PanelWindows windows(&owner);
    const zan::LcdScreen screen = ManualScreen();
    const bool repaintArea = state.range(0) != 0;
    for (auto _ : state) windows.ScreenChanged(screen, repaintArea);
}
BENCHMARK(BM_LcdRedraw)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);  // 1: the screen area first (code 101)

// The same with the panel on screen: the queued repaint copies the changed
// rectangle to the window as well.
void BM_LcdRedrawOnScreen(benchmark::State& state)
{
    QWidget owner;
    zan::gui::PanelWindows windows(&owner);
    windows.OpenPanel();
    QCoreApplication::processEvents();
    const zan::LcdScreen screen = ManualScreen();
    for (auto _ : state) {
        windows.ScreenChanged(screen, false);
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_LcdRedrawOnScreen)->Unit(benchmark::kMicrosecond);

// The core alone drawing the screen into a frame of the panel's size, at
// ratio 1, 2 (a 200 % desktop) and 3, from the bitmap font compiled in:
// with its cells drawn already, and the first time (every cell from the font).
void BM_LcdRender(benchmark::State& state)
{
    const zan::LcdScreen screen = ManualScreen();
    const int ratio = static_cast<int>(state.range(0));
    zan::RgbaFrame frame(633 * ratio, 370 * ratio);
    zan::LcdRenderer lcd;
    for (auto _ : state) benchmark::DoNotOptimize(lcd.Render(screen, frame, {0, 0, ratio}));
}
BENCHMARK(BM_LcdRender)->Arg(1)->Arg(2)->Arg(3)->Unit(benchmark::kMicrosecond);

void BM_LcdRenderColdCells(benchmark::State& state)
{
    const zan::LcdScreen screen = ManualScreen();
    const int ratio = static_cast<int>(state.range(0));
    zan::RgbaFrame frame(633 * ratio, 370 * ratio);
    for (auto _ : state) {
        zan::LcdRenderer lcd;
        benchmark::DoNotOptimize(lcd.Render(screen, frame, {0, 0, ratio}));
    }
}
BENCHMARK(BM_LcdRenderColdCells)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

// RefreshLcd of the whole controller in Manual: the core's screen and its rendering.
void BM_RefreshLcd(benchmark::State& state)
{
    zan::bench::NullAlerts alerts;
    zan::VirtualClock clock;
    zan::QuietDisplay display;
    QWidget owner;
    zan::gui::PanelWindows windows(&owner);
    zan::Station station(zan::ControllerPorts{alerts, clock, windows, windows.fields(), &display}, zan::StationOptions{});
    station.PanelEvent(zan::PanelEventCode::ShowPanel);
    station.panel()->Click(zan::KeyId::ManualMode);
    for (auto _ : state) station.panel()->RefreshLcd(zan::ScreenCode::Manual);
}
BENCHMARK(BM_RefreshLcd)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
