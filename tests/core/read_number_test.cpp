// Reading numbers and G/M codes the way the controller does.

#include <gtest/gtest.h>

#include <limits>

#include "core/text/controller_random.h"
#include "core/text/read_number.h"
#include "core/text/typed_value.h"

namespace zan::test {
namespace {

TEST(ReadNumberTest, ControllerExamples)
{
    EXPECT_DOUBLE_EQ(ReadNumber("X-12.5", 0), -12.5);
    EXPECT_DOUBLE_EQ(ReadNumber("Z.25", 0), 0.25);
    EXPECT_DOUBLE_EQ(ReadNumber("X7.", 0), 7);
    EXPECT_DOUBLE_EQ(ReadNumber("F100", 0), 100);
    EXPECT_DOUBLE_EQ(ReadNumber("X12.3456", 0), 12.345);
    EXPECT_DOUBLE_EQ(ReadNumber("X123456789", 0), 0);
    EXPECT_DOUBLE_EQ(ReadNumber("X12345678", 0), 12345678);
    EXPECT_DOUBLE_EQ(ReadNumber("G01 X10 Z-5.5", 4), 10);
    EXPECT_DOUBLE_EQ(ReadNumber("G01 X10 Z-5.5", 8), -5.5);
    EXPECT_DOUBLE_EQ(ReadNumber("X1.2A3", 0), 1.2);  // decimals stop at a non-digit
    // Integer digits are not checked: each counts as its code minus '0'.
    EXPECT_DOUBLE_EQ(ReadNumber("L\xff\xff\xff\xff\xff\xff\xff\xff", 0), 207.0 * 11111111);
}

TEST(ReadNumberTest, IntegerWordsSaturate)
{
    EXPECT_EQ(SaturatedInt(-12.9), -12);
    EXPECT_EQ(SaturatedInt(2147483647.9), std::numeric_limits<int>::max());
    EXPECT_EQ(SaturatedInt(207.0 * 11111111), std::numeric_limits<int>::max());
    EXPECT_EQ(SaturatedInt(-207.0 * 11111111), std::numeric_limits<int>::min());
    EXPECT_EQ(SaturatedInt(std::numeric_limits<double>::quiet_NaN()), 0);
}

TEST(ReadNumberTest, NeverReadsPastTheText)
{
    const std::string_view cut("X12", 2);  // the 2 is outside the view
    EXPECT_DOUBLE_EQ(ReadNumber(cut, 0), 1);
    EXPECT_DOUBLE_EQ(ReadNumber("X", 0), 0);
    EXPECT_DOUBLE_EQ(ReadNumber("", 5), 0);
}

TEST(ReadNumberTest, Codes)
{
    EXPECT_EQ(ReadCode("N0010 G1", 6), 1);
    EXPECT_EQ(ReadCode("G01 X1", 0), 1);
    EXPECT_EQ(ReadCode("G1 X1", 0), 1);
    EXPECT_EQ(ReadCode("M30", 0), 30);
    EXPECT_EQ(ReadCode("G71 P", 0), 71);
    EXPECT_EQ(ReadCode("G1  X1", 0), 10 * 1 + (' ' - '0'));  // a code that matches nothing
    EXPECT_FALSE(ReadCode("G123", 0).has_value());
    EXPECT_FALSE(ReadCode("M1X2", 0).has_value());
}

// A typed value is one number or nothing: the program reader's habit of
// taking any character for a digit would move the tool where nobody typed.
TEST(ReadNumberTest, TypedValuesAreOneNumber)
{
    EXPECT_EQ(ReadTyped("-12.5").kind, Typed::Number);
    EXPECT_DOUBLE_EQ(ReadTyped("-12.5").value, -12.5);
    EXPECT_DOUBLE_EQ(ReadTyped(".5").value, 0.5);
    EXPECT_DOUBLE_EQ(ReadTyped("7.").value, 7);
    for (const char* slip : {"-1O", "ABC", "5-", "1.2.3", "-", ".", " 5", "5 "})
        EXPECT_EQ(ReadTyped(slip).kind, Typed::NotANumber) << slip;
    EXPECT_EQ(ReadTyped("").kind, Typed::Nothing);
    EXPECT_EQ(ReadTyped("123456789").kind, Typed::TooLarge);  // a ninth digit reads as 0

    EXPECT_EQ(ReadBlockNumber("N0010 G00"), 10);
    EXPECT_EQ(ReadBlockNumber("N0000M03"), 0);
    EXPECT_EQ(ReadBlockNumber("G01"), 1);
    EXPECT_EQ(ReadBlockNumber("N99999999999"), 99999999);
}

TEST(ControllerRandomTest, FirstValuesAreTheControllersOwn)
{
    ControllerRandom random;
    for (const int expected : {41, 18467, 6334, 26500, 19169}) EXPECT_EQ(random.Next(), expected);
    // Each controller has its own sequence, from the start.
    EXPECT_EQ(ControllerRandom().Next(), 41);
}

}  // namespace
}  // namespace zan::test
