// The machine without a window: a reset machine runs a program as a new one does.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/station/headless.h"

namespace zan::test {
namespace {

HeadlessSetup TestSetup(int speedLevel)
{
    HeadlessSetup setup;
    setup.speedLevel = speedLevel;
    setup.folder = ProgramFolder("/nonexistent-zan-folder");  // no turret pictures: a message each
    setup.offsets[3] = OffsetPair{1.0, 2.0};
    return setup;
}

// What a run shows: every message and move, how it ended and its counters.
std::vector<std::string> Trace(HeadlessMachine& machine, std::string_view program, long maxTurns = 100000)
{
    std::vector<std::string> trace;
    machine.onMessage = [&trace](std::string_view text) { trace.emplace_back(text); };
    machine.onMove = [&trace](float col, float row) {
        trace.push_back(std::to_string(col) + " " + std::to_string(row));
    };
    machine.LoadProgram(program);
    const RunEnd end = machine.Run(RunLimits{maxTurns, RunLimits::kDefaultWork});
    trace.push_back("end " + std::to_string(static_cast<int>(end)) + ", turns " + std::to_string(machine.turns()) +
                    ", blocks " + std::to_string(machine.blocks()) + ", moves " + std::to_string(machine.moves()));
    machine.onMessage = nullptr;
    machine.onMove = nullptr;
    return trace;
}

// Relies on the start-up state: G00 modal, the tool at its start and without
// offset, the spindle stopped (so the last cut is refused), no loop open, no
// contour collecting and no path left to play.
constexpr std::string_view kProbe = "X80 Z10\nG01 F200 U-2 W-3\nG80\nG01 W-20\nM30\n";

TEST(HeadlessMachineTest, AResetMachineRunsAsANewOne)
{
    struct Before { std::string_view program; long turns; };
    const Before befores[] = {
        // Ends with the spindle on, tool 2 with offset 3, a loop open and no G code.
        {"M03\nT23\nG22 L5\nG01 F100 X60 Z-30\nM02\n", 100000},
        {"G01 F100 X60 Z-30\n", 30},                               // stops halfway along the path
        {"G71 X80 I2 K1 L50\nG01 X70 Z-40\nG01 X50 Z-50\n", 2},  // stops while collecting a contour
        {kProbe, 100000},  // the same program again; it stops on an alarm with points left to play
    };
    // Played back, and direct without the turret's pictures.
    for (const int speedLevel : {0, 4}) {
        HeadlessMachine fresh(TestSetup(speedLevel));
        const std::vector<std::string> expected = Trace(fresh, kProbe);
        HeadlessMachine reused(TestSetup(speedLevel));
        for (const Before& before : befores) {
            Trace(reused, before.program, before.turns);
            reused.Reset();
            EXPECT_EQ(Trace(reused, kProbe), expected) << speedLevel << ", after " << before.program;
        }
    }
}

}  // namespace
}  // namespace zan::test
