// Block execution: words, T and M functions, program flow, the run loop.

#include <gmock/gmock.h>

#include <algorithm>
#include <limits>
#include <string>

#include "core/lathe/messages.h"
#include "core/nc/checker.h"
#include "core/nc/nc_messages.h"
#include "support/program_rig.h"

namespace zan::test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

// Eight characters read as digits (each counts as its code minus '0'): the
// number is 207 * 11111111, about 2.3e9, beyond int.
const std::string kBeyondInt(8, '\xff');

struct InterpreterTest : ::testing::Test {
    ProgramRig rig;
};

TEST_F(InterpreterTest, ProgramEndsAtAShortLineOrTheLastRow)
{
    rig.Load({"G00 X100 Z0", "", "G00 X80 Z0"});
    rig.RunToEnd();
    EXPECT_EQ(rig.completions(), 1);
    EXPECT_EQ(std::count(rig.panel.calls.begin(), rig.panel.calls.end(), "run lines"), 1);  // the third never ran
    EXPECT_EQ(rig.s().lineIndex, 0);
    EXPECT_EQ(rig.s().lineTable.rows[0][0], 0);  // the reset dropped the text

    rig.s().lineIndex = 998;
    rig.Load({});
    for (auto& row : rig.s().lineTable.rows) row[1] = 'x', row[0] = ' ';
    rig.s().lineIndex = 999;
    EXPECT_TRUE(rig.interp().ExecuteNextBlock(true));
    EXPECT_EQ(rig.completions(), 2);
}

TEST_F(InterpreterTest, WordsAndCodes)
{
    rig.Load({"N0010 G1", "G01 X10 Z-5.5 F100"});
    rig.interp().ExecuteNextBlock(true);
    EXPECT_EQ(rig.nc().gCode, 1);
    rig.interp().ExecuteNextBlock(true);
    EXPECT_FLOAT_EQ(rig.nc().targetX, 5 + 312);
    EXPECT_FLOAT_EQ(rig.nc().targetZ, -5.5f + 500);
    EXPECT_EQ(rig.nc().feedF, 100);
}

TEST_F(InterpreterTest, NoMotionBeforeAnyCodeAfterAReset)
{
    rig.interp().ExecuteNextBlock(false);
    rig.Load({"X80 Z-10", "G1  X1"});
    EXPECT_FALSE(rig.interp().ExecuteNextBlock(true));  // a motion block that moves nothing
    EXPECT_EQ(rig.station->motion.buffer().writeIndex, 0);
    EXPECT_FALSE(rig.interp().ExecuteNextBlock(true));  // an undefined code
    EXPECT_EQ(rig.station->motion.buffer().writeIndex, 0);
}

// The checker and the dispatch read one table: every G code the checker
// accepts moves the tool or records its place, every other moves nothing.
TEST(GCodeTableTest, TheCheckerKnowsExactlyTheGCodesThatAct)
{
    for (int code = 0; code < 100; ++code) {
        const std::string block = "G" + std::string(code < 10 ? "0" : "") + std::to_string(code) +
                                  " X40 Z-10 I2 K2 R1 P2 E1 F100 L2 D1";
        ProgramRig rig;
        rig.Load({block});
        rig.interp().ExecuteNextBlock(true);
        const bool acted = rig.station->motion.buffer().writeIndex > 0;
        EXPECT_EQ(acted, CheckProgram(block + "\r\nM30").message.empty()) << block;
    }
}

TEST_F(InterpreterTest, SyntaxErrorsAreReportedAndTheBlockGoesOn)
{
    rig.Load({"G01 F200 U0 W0", "G123 X80", "M1X2 X70"});
    rig.RunToEnd();
    EXPECT_THAT(rig.alerts.messages, ElementsAre(std::string(msg::kGSyntax), std::string(msg::kMSyntax)));
    EXPECT_EQ(rig.MachineMoves().back(), "0.000 70.000");  // still G01 from the first block
}

TEST_F(InterpreterTest, ToolWordsSelectStationAndOffset)
{
    rig.panel.offsets[3] = OffsetPair{1.0, 2.0};
    // T05 changes only the offset, T55 nothing; with the lock on, T13 only the offset.
    struct Step { const char* line; bool lock; int station, offset; };
    for (const Step& step :
         {Step{"T23", false, 2, 3}, {"T05", false, 2, 5}, {"T55", false, 2, 5}, {"T13", true, 2, 3}}) {
        rig.Load({step.line});
        rig.s().lineIndex = 0;
        rig.s().lockSwitch = step.lock;
        rig.interp().ExecuteNextBlock(true);
        EXPECT_EQ(rig.s().toolStation, step.station) << step.line;
        EXPECT_EQ(rig.s().offsetNumber, step.offset) << step.line;
    }
    EXPECT_FLOAT_EQ(rig.s().offsetX, 2.0f);
}

TEST(ProgramFlowTest, SectionsJumpsLoopsSkipsAndModalCodes)
{
    struct Case { std::vector<std::string> lines, moves; };
    const Case cases[] = {
        // The section from N0100 to its M99 runs three times.
        {{"N0010 G01 F200 U0 W0", "N0020 M98 P0100 L3", "N0030 M30", "N0100 U-2", "N0110 M99"},
         {"0.000 300.000", "0.000 298.000", "0.000 296.000", "0.000 294.000"}},
        {{"G01 F200 U-2 W0", "M99", "U-2"}, {"0.000 298.000", "0.000 296.000"}},  // a stray M99 does nothing
        // From the jump: N0010 and N0020 skipped, the unnumbered block and N0050 run.
        {{"G01 F200 U0 W0", "N0010 M97 P50", "N0020 W-5", "U-4", "N0050 W-1", "M30"},
         {"0.000 300.000", "0.000 298.000", "0.000 296.000", "-1.000 296.000"}},
        {{"G01 F200 U0 W0", "G22 L3", "G01 U-2", "G80", "G01 W-1", "M30"},
         {"0.000 300.000", "0.000 298.000", "0.000 296.000", "0.000 294.000", "-1.000 294.000"}},
        {{"G01 F200 U-2 W0", "G80", "G01 U-2"}, {"0.000 298.000", "0.000 296.000"}},  // a stray G80 neither
        // L below zero starts no loop: its G80 goes on to the next block, down to
        // the least an L can be, whose count then falls no lower.
        {{"G22 L-1", "G01 F200 U-2 W0", "G80", "G01 U-2"}, {"0.000 300.000", "0.000 298.000", "0.000 296.000"}},
        {{"G22 L-" + kBeyondInt, "G01 F200 U-2 W0", "G80", "G01 U-2"},
         {"0.000 300.000", "0.000 298.000", "0.000 296.000"}},
        {{"G01 F200 U-2 W0", "/N0020 G00 X0", "U-2"}, {"0.000 298.000", "0.000 296.000"}},
        {{"G96 S100", "X80 Z-10"}, {"0.000 300.000"}},  // G96 stays in force: null points only
    };
    for (const Case& c : cases) {
        ProgramRig rig;
        rig.Load(c.lines);
        rig.RunToEnd();
        EXPECT_EQ(rig.UniqueMoves(), c.moves) << c.lines[1];
        EXPECT_EQ(rig.completions(), 1) << c.lines[1];
    }
}

TEST_F(InterpreterTest, SpindleStartsBeforeTheBlocksMove)
{
    rig.s().spindleState = 0;
    rig.Load({"M03 G00 X80 Z-10", "G01 X60 Z-10 F200", "M30 G00 X0"});
    rig.RunToEnd();
    EXPECT_THAT(rig.alerts.messages, IsEmpty());  // the cut into the blank was allowed
    EXPECT_EQ(rig.MachineMoves().back(), "-10.000 60.000");
    EXPECT_EQ(rig.s().spindleState, 0);  // M30 stops it
    EXPECT_THAT(rig.panel.calls, ::testing::Contains("spindle 1"));
}

TEST_F(InterpreterTest, DwellWaitsItsSeconds)
{
    // Beyond int, a dwell waits as long as a wait can, or not at all.
    rig.Load({"G04 D2", "G04 D" + kBeyondInt, "G04 D-" + kBeyondInt});
    rig.RunToEnd();
    EXPECT_THAT(rig.clock.waits, ::testing::Contains(2000));
    EXPECT_EQ(std::count(rig.clock.waits.begin(), rig.clock.waits.end(), std::numeric_limits<int>::max()), 1);
}

TEST_F(InterpreterTest, ProgramStopPausesAndCycleStartResumes)
{
    rig.Load({"G01 F200 U-2 W0", "M00", "U-2"});
    rig.Run();
    EXPECT_EQ(rig.completions(), 0);
    EXPECT_THAT(rig.UniqueMoves(), ElementsAre("0.000 298.000"));
    rig.RunToEnd();
    EXPECT_EQ(rig.completions(), 1);
    EXPECT_EQ(rig.MachineMoves().back(), "0.000 296.000");
}

TEST(ContourTest, ContourTooLongForTheTableIsRefused)
{
    for (const std::string& count : {std::string("101"), kBeyondInt, "-" + kBeyondInt}) {
        ProgramRig rig;
        rig.Load({"G71 X80 I2 K1 L" + count, "G01 X60 W0 F100", "M30"});
        rig.RunToEnd();
        EXPECT_THAT(rig.alerts.messages, ElementsAre(std::string(msg::kContourParameters))) << count;
        EXPECT_EQ(rig.nc().contourCount, -1) << count;
    }
}

TEST_F(InterpreterTest, ContourIsCollectedThenRoughedThenFinished)
{
    rig.Load({"G00 X100 Z2", "G71 X100 I2 K1 L2 F100", "G01 X60 Z0", "G90 X70 Z-20", "G01 X70 Z-20", "M30"});
    rig.interp().ExecuteNextBlock(true);
    rig.interp().ExecuteNextBlock(true);
    EXPECT_EQ(rig.nc().contourCount, 0);
    EXPECT_EQ(rig.nc().returnLine, 2);
    rig.interp().ExecuteNextBlock(true);
    EXPECT_EQ(rig.nc().contourCount, 1);
    EXPECT_FLOAT_EQ(rig.s().contour.x[0], 30 + 312);
    EXPECT_FLOAT_EQ(rig.s().contour.type[0], 1);
    rig.interp().ExecuteNextBlock(true);  // G90 inside: reported, runs, not collected
    EXPECT_THAT(rig.alerts.messages, ElementsAre(std::string(msg::kContourParameters)));
    EXPECT_EQ(rig.nc().contourCount, 1);
    rig.interp().ExecuteNextBlock(true);  // the second element completes the contour
    EXPECT_EQ(rig.nc().contourCount, -1);
    EXPECT_EQ(rig.s().lineIndex, 2);  // back to the contour for the finishing pass
    EXPECT_EQ(rig.nc().feedF, 0);
}

}  // namespace
}  // namespace zan::test
