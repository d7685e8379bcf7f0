// Measuring the workpiece with the mouse: the rules, read from the profile.

#include <gtest/gtest.h>

#include "core/lathe/measurement.h"
#include "support/fakes.h"

namespace zan::test {
namespace {

LatheState Uncut() { return LatheState(false); }

std::string Click(LatheState& s, int x, Point& first) { return MeasureClick(s, Point{x, 300}, first).result; }

TEST(ManualLength, CountsTheColumnsBetweenTheClicksEitherWay)
{
    LatheState s = Uncut();
    Point first{};
    for (auto [a, b] : {std::pair{200, 300}, std::pair{300, 200}}) {
        s.measureMode = static_cast<int>(MeasureMode::FirstPoint);
        const MeasureStep step = MeasureClick(s, Point{a, 250}, first);
        EXPECT_EQ(step.message, measure::kAskSecondPoint);
        EXPECT_EQ(s.measureMode, static_cast<int>(MeasureMode::SecondPoint));
        EXPECT_EQ(Click(s, b, first), "长度测量结果:99mm        ");
        EXPECT_EQ(s.measureMode, static_cast<int>(MeasureMode::None));
    }
    EXPECT_EQ(Click(s, 250, first), "") << "after the second click clicks measure nothing";
}

TEST(AutoLength, MeasuresTheStepUnderTheMouse)
{
    LatheState s = Uncut();
    s.measureMode = static_cast<int>(MeasureMode::AutoLength);
    Point first{};
    EXPECT_EQ(Click(s, 300, first), "长度测量结果:346mm             ") << "from column 153 to the blank's end";
    for (int k = 200; k < 240; ++k) s.profile[k] = 300.25;
    EXPECT_EQ(AutoLength(s, 200), 40);
    EXPECT_EQ(AutoLength(s, 239), 40);
    EXPECT_EQ(AutoLength(s, 240), 260) << "the uncut part right of the step";
    EXPECT_EQ(s.measureMode, static_cast<int>(MeasureMode::AutoLength)) << "every click measures again";
    EXPECT_EQ(AutoLength(s, 100), 99) << "left of the chuck face nothing is searched left";
    s.blankEnd = 2000;  // past the profile's 1100 columns: the searches stop there
    EXPECT_EQ(Click(s, 1200, first), "");
    EXPECT_EQ(AutoLength(s, 600), 860) << "from the step's end at 240 to column 1099";
}

TEST(Diameter, ShowsTheProfileOrTheBlank)
{
    LatheState s = Uncut();
    s.measureMode = static_cast<int>(MeasureMode::Diameter);
    Point first{};
    s.profile[300] = 292.0;
    EXPECT_EQ(Click(s, 300, first), "直径测量结果:100.000mm               ");
    s.profile[300] = 291.5;
    EXPECT_EQ(Click(s, 300, first), "直径测量结果:99.000mm               ");
    // A column cut off to the axis (or beyond it, in an old image file) is no
    // longer part of the workpiece: never a negative diameter.
    for (double row : {242.0, 235.4}) {
        s.profile[300] = row;
        const MeasureStep cutOff = MeasureClick(s, Point{300, 300}, first);
        EXPECT_EQ(cutOff.message, measure::kOutsideWorkpiece);
        EXPECT_EQ(cutOff.result, "");
    }
    s.profile[500] = 280.125;
    EXPECT_EQ(Click(s, 500, first), "直径测量结果:76.250mm               ") << "the blank's end is measured";
    const MeasureStep outside = MeasureClick(s, Point{501, 300}, first);
    EXPECT_EQ(outside.message, measure::kOutsideWorkpiece);
    EXPECT_EQ(outside.result, "");
    s.blankEnd = 2000;  // a click past the profile's 1100 columns reads nothing
    EXPECT_EQ(MeasureClick(s, Point{1200, 300}, first).message, measure::kOutsideWorkpiece);
}

TEST(MeasureCommands, PromptThenClickResult)
{
    Rig rig;
    rig.station->BeginMeasurement(MeasureMode::Diameter);
    EXPECT_EQ(rig.alerts.messages.back(), measure::kAskSegment);
    EXPECT_EQ(rig.station->MeasureClick(Point{300, 300}), "直径测量结果:100.000mm               ");
    EXPECT_EQ(rig.station->MeasureClick(Point{700, 300}), "");
    EXPECT_EQ(rig.alerts.messages.back(), measure::kOutsideWorkpiece);
    rig.station->BeginMeasurement(MeasureMode::FirstPoint);
    EXPECT_EQ(rig.alerts.messages.back(), measure::kAskFirstPoint);
    EXPECT_EQ(rig.station->MeasureClick(Point{200, 250}), "");
    EXPECT_EQ(rig.station->MeasureClick(Point{260, 250}), "长度测量结果:59mm        ");
    EXPECT_EQ(rig.station->measureMode(), MeasureMode::None);
}

}  // namespace
}  // namespace zan::test
