// Measuring the workpiece with the mouse: the rules, and what the view shows.

#include <gtest/gtest.h>

#include <QMouseEvent>
#include <QApplication>

#include "gui/lathe/measurement.h"
#include "view_rig.h"

namespace zan::gui::test {
namespace {

LatheState Uncut() { return LatheState(false); }

std::string Click(LatheState& s, int x, Point& first) { return MeasureClick(s, Point{x, 300}, first).result; }

TEST(ManualLength, CountsTheColumnsBetweenTheClicksEitherWay)
{
    LatheState s = Uncut();
    Point first{};
    for (auto [a, b] : {std::pair{200, 300}, std::pair{300, 200}}) {
        s.measureMode = measure::kFirstPoint;
        const MeasureStep step = MeasureClick(s, Point{a, 250}, first);
        EXPECT_EQ(step.message, measure::kAskSecondPoint);
        EXPECT_EQ(s.measureMode, measure::kSecondPoint);
        EXPECT_EQ(Click(s, b, first), "长度测量结果:99mm        ");
        EXPECT_EQ(s.measureMode, measure::kNone);
    }
    EXPECT_EQ(Click(s, 250, first), "") << "after the second click clicks measure nothing";
}

TEST(AutoLength, MeasuresTheStepUnderTheMouse)
{
    LatheState s = Uncut();
    s.measureMode = measure::kAutoLength;
    Point first{};
    EXPECT_EQ(Click(s, 300, first), "长度测量结果:346mm             ") << "from column 153 to the blank's end";
    for (int k = 200; k < 240; ++k) s.profile[k] = 300.25;
    EXPECT_EQ(AutoLength(s, 200), 40);
    EXPECT_EQ(AutoLength(s, 239), 40);
    EXPECT_EQ(AutoLength(s, 240), 260) << "the uncut part right of the step";
    EXPECT_EQ(s.measureMode, measure::kAutoLength) << "every click measures again";
    EXPECT_EQ(AutoLength(s, 100), 99) << "left of the chuck face nothing is searched left";
    s.blankEnd = 2000;  // past the profile's 1100 columns: the searches stop there
    EXPECT_EQ(Click(s, 1200, first), "");
    EXPECT_EQ(AutoLength(s, 600), 860) << "from the step's end at 240 to column 1099";
}

TEST(Diameter, ShowsTheProfileOrTheBlank)
{
    LatheState s = Uncut();
    s.measureMode = measure::kDiameter;
    Point first{};
    s.profile[300] = 292.0;
    EXPECT_EQ(Click(s, 300, first), "直径测量结果:100.000mm               ");
    s.profile[300] = 291.5;
    EXPECT_EQ(Click(s, 300, first), "直径测量结果:99.000mm               ");
    s.profile[300] = 235.4;  // cut below the axis
    EXPECT_EQ(Click(s, 300, first), "直径测量结果:-13.200mm               ");
    s.profile[500] = 280.125;
    EXPECT_EQ(Click(s, 500, first), "直径测量结果:76.250mm               ") << "the blank's end is measured";
    const MeasureStep outside = MeasureClick(s, Point{501, 300}, first);
    EXPECT_EQ(outside.message, measure::kOutsideWorkpiece);
    EXPECT_EQ(outside.result, "");
    s.blankEnd = 2000;  // a click past the profile's 1100 columns reads nothing
    EXPECT_EQ(MeasureClick(s, Point{1200, 300}, first).message, measure::kOutsideWorkpiece);
}

// Green text on black anywhere in the rectangle.
bool GreenTextIn(const ViewRig& rig, QRect area)
{
    int green = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) green += rig.At(x, y) == 0xFF00FF00u;
    return green > 20;
}

void Mouse(COrbelView& view, QEvent::Type type, QPoint at)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, at, view.mapToGlobal(at), button, button, Qt::NoModifier);
    QApplication::sendEvent(&view, &event);
}

TEST(MeasurementOnTheView, PromptsCursorsAndResult)
{
    ViewRig rig;
    rig.view->MeasureLengthManual();
    EXPECT_EQ(rig.alerts.messages.back(), measure::kAskFirstPoint);
    EXPECT_EQ(rig.view->cursor().shape(), Qt::CrossCursor);
    Mouse(*rig.view, QEvent::MouseButtonPress, QPoint(200, 250));
    EXPECT_EQ(rig.alerts.messages.back(), measure::kAskSecondPoint);
    EXPECT_FALSE(GreenTextIn(rig, QRect(0, 438, 200, 16)));
    Mouse(*rig.view, QEvent::MouseButtonPress, QPoint(300, 250));
    EXPECT_TRUE(GreenTextIn(rig, QRect(0, 438, 200, 16)));
    EXPECT_EQ(rig.view->cursor().shape(), Qt::ArrowCursor);

    rig.view->MeasureLengthAuto();
    EXPECT_EQ(rig.alerts.messages.back(), measure::kAskSegment);
    EXPECT_EQ(rig.view->cursor().shape(), Qt::SizeHorCursor);
    rig.view->MeasureDiameter();
    EXPECT_EQ(rig.alerts.messages.back(), measure::kAskSegment);
    EXPECT_EQ(rig.view->cursor().shape(), Qt::SizeVerCursor);
    Mouse(*rig.view, QEvent::MouseButtonPress, QPoint(700, 250));
    EXPECT_EQ(rig.alerts.messages.back(), measure::kOutsideWorkpiece);
}

TEST(MeasurementOnTheView, MouseReadoutAtTheTopLeft)
{
    ViewRig rig;
    EXPECT_EQ(MouseText(612, 245), "鼠标坐标:(612,245)   ");
    EXPECT_FALSE(GreenTextIn(rig, QRect(0, 0, 150, 34)));
    Mouse(*rig.view, QEvent::MouseMove, QPoint(612, 245));
    EXPECT_TRUE(GreenTextIn(rig, QRect(0, 18, 150, 16)));
    EXPECT_TRUE(GreenTextIn(rig, QRect(0, 0, 150, 16)));
    // The next repaint of that area wipes the read-out.
    rig.view->RepaintAll();
    EXPECT_FALSE(GreenTextIn(rig, QRect(0, 0, 150, 34)));
}

}  // namespace
}  // namespace zan::gui::test
