// Arbitrary program text through the checker and the interpreter, with a bound on the turns
// of the run loop: no crash, no sanitizer report, no hang.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/nc/checker.h"
#include "core/station/headless.h"

namespace {
constexpr long kMaxTurns = 4000;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) return 0;
    // The first byte picks the speed level: buffered playback, direct moves,
    // and the level that skips the turret animation.
    zan::HeadlessSetup setup;
    setup.folder = zan::ProgramFolder("/nonexistent-zan-folder");
    setup.speedLevel = data[0] % 5;
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    zan::CheckProgram(text);  // the check before a run reads the same text
    zan::HeadlessMachine machine(setup);
    machine.LoadProgram(text);
    machine.Run(kMaxTurns);
    return 0;
}
