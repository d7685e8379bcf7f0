// The program checker: which lines it reports, with which text, and where it stops.

#include <gtest/gtest.h>

#include <string>

#include "core/nc/checker.h"

namespace zan::test {
namespace {

std::string Message(std::string_view text) { return CheckProgram(text).message; }

TEST(CheckerTest, SoundProgramsPassInBothLineEndings)
{
    const char* program = "N0000 G00 X100 Z50\r\nN0010 M03 S500 T0101\r\nN0020 G01 X50.5 Z-20 F100\r\n"
                          "N0030 G71 U1 R0.5 P40 E0.1\r\nN0040 G04 P2\r\nN0050 M20\r\nN0060 G96\r\nN0070 M30\r\n";
    EXPECT_EQ(CheckProgram(program).message, "");
    std::string lfOnly = program;
    for (std::size_t at; (at = lfOnly.find('\r')) != std::string::npos;) lfOnly.erase(at, 1);
    EXPECT_EQ(Message(lfOnly), "");
}

TEST(CheckerTest, UndefinedCodesQuoteTheLineAndSkipTheNextStepKey)
{
    const CheckReport g = CheckProgram("N0020 G01 X10\r\nN0030 G45 X10\r\nN0040 G46");
    EXPECT_EQ(g.message, "N0030 G45 X10(未定义的'G'代码!)");
    EXPECT_TRUE(g.skipNextStepKey);

    const CheckReport m = CheckProgram("N0010 M07");
    EXPECT_EQ(m.message, "N0010 M07(未定义的'M'代码!)");
    EXPECT_TRUE(m.skipNextStepKey);

    // A one-digit code followed by two spaces reads the space as its second digit.
    EXPECT_EQ(Message("G1  X10"), "G1  X10(未定义的'G'代码!)");
}

TEST(CheckerTest, LaterWordsHideTheGCodeFromTheCheck)
{
    EXPECT_EQ(Message("G45 M03"), "");
    EXPECT_EQ(Message("G45 S100"), "");
    EXPECT_EQ(Message("G45 T0202"), "");
    EXPECT_EQ(Message("S100 G45"), "S100 G45(未定义的'G'代码!)");
    EXPECT_EQ(Message("G01X10"), "");  // unreadable code: the executor reports it, not the checker
}

TEST(CheckerTest, IllegalCharactersCountOnlyBeforeAnMWord)
{
    const CheckReport lower = CheckProgram("N0010 g01 X10");
    EXPECT_EQ(lower.message, "N0010 g01 X10(非法代码!)");
    EXPECT_EQ(lower.line, "N0010 g01 X10");
    EXPECT_FALSE(lower.skipNextStepKey);
    EXPECT_EQ(Message("X1 \xb5\xb6"), "X1 \xb5\xb6(非法代码!)");  // GB2312 bytes pass through
    EXPECT_EQ(Message("N1 +5"), "N1 +5(非法代码!)");
    EXPECT_EQ(Message("M03 \xb5\xb6 g"), "");
}

TEST(CheckerTest, WhereTheCheckEnds)
{
    EXPECT_EQ(Message("M30\r\nG45"), "");
    EXPECT_EQ(Message("M02\nxx"), "");
    EXPECT_EQ(Message("G01\r\n\r\nG45"), "");  // an empty line ends the program
    EXPECT_EQ(Message("G01\nX\nG45"), "");     // so does a one-character line
    EXPECT_EQ(Message("/G45 x\nG45 /x"), "");  // "/" skips the rest of its line

    std::string thousand;
    for (int i = 0; i < 1000; ++i) thousand += "G01 X1\n";
    EXPECT_EQ(Message(thousand + "G45"), "");  // the 1001st line is not examined
    EXPECT_EQ(Message(thousand.substr(7) + "G45"), "G45(未定义的'G'代码!)");
}

TEST(CheckerTest, LongLinesAreCutAndBackspacesCountAsSpaces)
{
    const std::string hundred = "G01" + std::string(97, ' ');
    EXPECT_EQ(Message(hundred + "g"), "");
    EXPECT_EQ(Message("G01\bX10"), "");
    EXPECT_EQ(Message("G45\bX1"), "G45 X1(未定义的'G'代码!)");
}

TEST(CheckerTest, LoopNeedsAnLOtherThanMinusOne)
{
    EXPECT_EQ(Message("G22 L5"), "");
    EXPECT_EQ(Message("G22"), "");  // the last L value starts at 0
    const CheckReport bad = CheckProgram("X1 L-1\nG22 X2");
    EXPECT_EQ(bad.message, "G22 X2(参数错误!)");  // L carries over from an earlier line
    EXPECT_FALSE(bad.skipNextStepKey);

    // Eight characters read as digits give an L beyond int: still an L, not -1.
    const std::string beyondInt(8, '\xff');
    EXPECT_EQ(Message("M03 L" + beyondInt + "\nG22 X2"), "");
    EXPECT_EQ(Message("M03 L-" + beyondInt + "\nG22 X2"), "");
}

}  // namespace
}  // namespace zan::test
