// Arbitrary program text through the checker and the interpreter, bounded as
// the runner and the grader bound a program (turns of the run loop and work:
// path points recorded or counted), with limits scaled down so that an input
// takes milliseconds: no crash, no sanitizer report, no hang.

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

#include "core/nc/checker.h"
#include "core/station/headless.h"

namespace {

constexpr long kMaxTurns = 4000;
// A turn may record or count a whole cycle (up to two million points); the
// work bound keeps a loop over such blocks from running for hours.
constexpr long kMaxWork = 200'000;
constexpr int kSpeedLevels = 5;

// One machine per speed level, built on first use and reset before every
// later input: building one (its path buffer holds 150 000 points) took
// most of an input's time. The reset is complete, so an input runs exactly
// as on a new machine and a crash replays from its input alone.
zan::HeadlessMachine& MachineAt(int speedLevel)
{
    static std::array<std::unique_ptr<zan::HeadlessMachine>, kSpeedLevels> machines;
    auto& machine = machines[speedLevel];
    if (machine) {
        machine->Reset();
    } else {
        zan::HeadlessSetup setup;
        setup.folder = zan::ProgramFolder("/nonexistent-zan-folder");
        setup.speedLevel = speedLevel;
        machine = std::make_unique<zan::HeadlessMachine>(setup);
    }
    return *machine;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) return 0;
    // The first byte picks the speed level: buffered playback, direct moves,
    // and the level that skips the turret animation.
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    zan::CheckProgram(text);  // the check before a run reads the same text
    zan::HeadlessMachine& machine = MachineAt(data[0] % kSpeedLevels);
    machine.LoadProgram(text);
    machine.Run(zan::RunLimits{kMaxTurns, kMaxWork});
    return 0;
}
