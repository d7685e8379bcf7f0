// At the fast speed levels a block's direct steps are held back and made a
// few per turn. That must change nothing the machine does: every effect on
// the view, the panel and the message boxes, its order and the state it sees
// are those of the block made at once (ExecuteNextBlock, which holds nothing).

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/files/program_file.h"
#include "core/lathe/quiet_ports.h"
#include "support/fakes.h"
#include "support/program_rig.h"

namespace zan::test {
namespace {

// One log of every effect, in order, with the state the panel reads.
struct EffectLog : Alerts, QuietPanel, QuietDisplay, MoveObserver {
    std::vector<std::string> lines;
    const LatheState* state = nullptr;

    void Message(std::string_view text) override { lines.push_back("message " + std::string(text)); }
    bool Question(std::string_view text) override
    {
        lines.push_back("question " + std::string(text));
        return true;
    }
    void ShowRunLines() override { lines.push_back("run lines " + std::to_string(state->lineIndex)); }
    void ShowRunComplete() override { lines.push_back("run complete"); }
    void ResetKeys() override { lines.push_back("reset keys"); }
    void RefreshPosition() override
    {
        lines.push_back("position " + std::to_string(state->posZ) + " " + std::to_string(state->posX));
    }
    void DrawTool(const ToolDrawing& tool) override
    {
        lines.push_back("tool " + std::to_string(tool.pictureAt.x) + " " + std::to_string(tool.pictureAt.y));
    }
    void DrawErrorText(std::string_view text) override { lines.push_back("error " + std::string(text)); }
    void Refresh(const Rect& r) override { lines.push_back("refresh " + std::to_string(r.left)); }
    void OnMoveTool(float col, float row, MoveMode) override
    {
        lines.push_back("move " + std::to_string(col) + " " + std::to_string(row));
    }
};

enum class Driver { Turns, BlocksAtOnce };

// Runs `program` at `speedLevel` to its end or its first stop, cycle start
// given again after each stop (M00) as long as the program runs.
std::vector<std::string> Effects(std::string_view program, int speedLevel, bool spindle, Driver driver)
{
    EffectLog log;
    RecordingClock clock;
    Station station(Ports{log, clock, log, log}, StationOptions{});
    log.state = &station.lathe.state;
    station.lathe.moveObserver = &log;
    LatheState& s = station.lathe.state;
    s.speedLevel = speedLevel;
    s.spindleState = spindle ? 1 : 0;
    s.chuckOpen = false;
    LoadIntoLineTable(program, s.lineTable);
    s.runFlag = true;
    for (int turn = 0; turn < 10000 && s.runFlag; ++turn) {
        if (driver == Driver::Turns) {
            TurnAtOnce(station, clock);
            continue;
        }
        Settle(station, clock);
        station.interpreter.ExecuteNextBlock(true);
    }
    log.lines.push_back("line " + std::to_string(s.lineIndex) + ", work " + std::to_string(station.motion.work()));
    return log.lines;
}

struct Case {
    const char* name;
    const char* program;
    bool spindle;
};

const Case kCases[] = {
    {"roughing", "M03\nG00 X104 Z2\nG71 X104 I4 K2 L4 F150\nG01 X60 Z2\nG01 Z-30\nG01 X90 Z-50\nG01 X100\n"
                 "G00 X150 Z50\nM05\nM30\n", true},
    {"facing", "M03\nG00 X104 Z2\nG72 Z2 I2 K1 L3 F150\nG01 X100 Z-20\nG01 X60 Z-10\nG01 X40 Z2\nG00 X150 Z50\nM30\n",
     true},
    {"one-block cycles", "M03\nT22\nG00 X104 Z2\nG90 X80 Z-30 F100\nG04 D1\nG26\nG00 X104 Z2\nG94 X40 Z-5 F100\n"
                         "G27\nG29\nG92 X90 Z-20 P2\nG74 X0 Z-20 I5 K2 E3 F80\nG02 X100 Z-40 R10\nM30\n", true},
    // Every step over the blank is refused, one message each, and the run stops.
    {"spindle stopped", "G00 X104 Z2\nG90 X80 Z-30 F100\nG00 X150 Z50\nM30\n", false},
    // A refused step ends its cycle's path at once; the line still moves on.
    {"travel limit", "M03\nG00 X104 Z2\nG71 X104 I4 K2 L4 F150\nG01 X60 Z2\nG01 Z-300\nG01 X90 Z-320\nG01 X100\n"
                     "M30\n", true},
    // A step off the view resets the run in the middle of the block.
    {"severe error", "M03\nG00 X104 Z2\nG71 X104 I4 K2 L4 F150\nG01 X-700 Z2\nG01 Z-30\nG01 X90 Z-50\nG01 X100\n"
                     "M30\n", true},
};

TEST(HeldStepsTest, TurnsMakeWhatBlocksMadeAtOnceMake)
{
    for (const int speedLevel : {2, 3, 4}) {
        for (const Case& c : kCases) {
            const std::vector<std::string> atOnce = Effects(c.program, speedLevel, c.spindle, Driver::BlocksAtOnce);
            EXPECT_GT(atOnce.size(), 40u) << c.name;
            EXPECT_EQ(Effects(c.program, speedLevel, c.spindle, Driver::Turns), atOnce)
                << c.name << " at speed level " << speedLevel;
        }
    }
}

// A turn makes only a few steps, so that a window answers its inputs in
// between; it asks to be taken up again at once, so that where time does not
// count (TurnAtOnce) the turns of a block are one.
TEST(HeldStepsTest, ABlocksStepsSpreadOverTurnsTakenUpAtOnce)
{
    ProgramRig rig;
    rig.Cutting();
    rig.s().speedLevel = 4;
    rig.Load({"G00 X104 Z2", "G71 X104 I4 K2 L4 F150", "G01 X60 Z2", "G01 Z-30", "G01 X90 Z-50", "G01 X100", "M30"});
    rig.s().runFlag = true;
    int resumed = 0;
    for (int turn = 0; turn < 10000 && rig.s().runFlag; ++turn) {
        const std::size_t before = rig.trace.moves.size();
        const TurnResult result = rig.station->Turn();
        EXPECT_LE(rig.trace.moves.size() - before, 4u) << "turn " << turn;
        ASSERT_NE(result.kind, TurnResult::Kind::Idle);
        if (result.kind == TurnResult::Kind::Waiting) {
            EXPECT_EQ(result.due, rig.clock.now);
            ++resumed;
        }
    }
    EXPECT_FALSE(rig.s().runFlag);
    EXPECT_GT(resumed, 50);
    EXPECT_GT(rig.trace.moves.size(), 100u);
    EXPECT_EQ(rig.completions(), 1);
}

}  // namespace
}  // namespace zan::test
