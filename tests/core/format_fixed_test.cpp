// The fixed-point text of the LCD and the parameter files.

#include <gtest/gtest.h>

#include <limits>

#include "core/text/format_fixed.h"

namespace zan::test {
namespace {

TEST(FormatFixedTest, ControllerExamplesTruncatedTowardZero)
{
    struct Case { double value; int digits, decimals; bool signSpace; const char* text; };
    const Case cases[] = {
        {8000, 4, 3, true, " 8000.000"}, {-0.5, 4, 3, true, "-0000.500"}, {7, 2, 0, false, "07"},
        {123, 4, 0, false, "0123"}, {-8000, 5, 3, false, "-08000.000"},
        {12345, 2, 0, false, "12345"},  // more digits than asked are all kept
        {0.5, 0, 3, false, ".500"},     // a zero integer part has no digits of its own
        {1.2349, 4, 3, false, "0001.234"}, {-1.9999, 4, 3, false, "-0001.999"}, {-1.9999, 4, 0, false, "-0001"},
        {99.9999, 4, 3, true, " 0099.999"},
    };
    for (const Case& c : cases) EXPECT_EQ(FormatFixed(c.value, c.digits, c.decimals, c.signSpace), c.text) << c.value;
}

TEST(FormatFixedTest, ThousandthsReadBackShowAsRead)
{
    // 7.347 is held as 7.34699999...: it must not show as 7.346.
    EXPECT_EQ(FormatFixed(7 + 347 / 1000.0, 4, 3, false), "0007.347");
    for (int f = 0; f < 1000; ++f) {
        const double value = -(1234 + f / 1000.0);
        const std::string digits = std::to_string(1000 + f).substr(1);
        ASSERT_EQ(FormatFixed(value, 4, 3, false), "-1234." + digits);
    }
}

TEST(FormatFixedTest, NonNumbersShowAsZero)
{
    EXPECT_EQ(FormatFixed(std::numeric_limits<double>::quiet_NaN(), 4, 3, true), " 0000.000");
    EXPECT_EQ(FormatFixed(-std::numeric_limits<double>::infinity(), 1, 0, false), "0");
}

}  // namespace
}  // namespace zan::test
