// Measuring the workpiece with the mouse: what the view shows.

#include <gtest/gtest.h>

#include <QMouseEvent>
#include <QApplication>

#include "core/lathe/measurement.h"
#include "view_rig.h"

namespace zan::gui::test {
namespace {

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
    rig.view->Measure(MeasureMode::FirstPoint);
    EXPECT_EQ(rig.alerts.messages.back(), measure::kAskFirstPoint);
    EXPECT_EQ(rig.view->cursor().shape(), Qt::CrossCursor);
    Mouse(*rig.view, QEvent::MouseButtonPress, QPoint(200, 250));
    EXPECT_EQ(rig.alerts.messages.back(), measure::kAskSecondPoint);
    EXPECT_FALSE(GreenTextIn(rig, QRect(0, 438, 200, 16)));
    Mouse(*rig.view, QEvent::MouseButtonPress, QPoint(300, 250));
    EXPECT_TRUE(GreenTextIn(rig, QRect(0, 438, 200, 16)));
    EXPECT_EQ(rig.view->cursor().shape(), Qt::ArrowCursor);

    rig.view->Measure(MeasureMode::AutoLength);
    EXPECT_EQ(rig.alerts.messages.back(), measure::kAskSegment);
    EXPECT_EQ(rig.view->cursor().shape(), Qt::SizeHorCursor);
    rig.view->Measure(MeasureMode::Diameter);
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
