// Measuring the workpiece with the mouse, and the mouse read-out: both are
// written as green text straight onto the view.

#include <QMouseEvent>

#include "gui/lathe/measurement.h"
#include "gui/lathe/orbel_view.h"

namespace zan::gui {

namespace {

// Where the texts go on the view.
constexpr QPoint kResultAt(0, 438);
constexpr QPoint kMouseAt(0, 18);
constexpr QPoint kModeAt(0, 0);
const QColor kReadoutInk(0, 255, 0);

}  // namespace

void COrbelView::MeasureLengthManual()
{
    lathe_->state.measureMode = measure::kFirstPoint;
    UpdateCursor();
    lathe_->ports.alerts.Message(measure::kAskFirstPoint);
}

void COrbelView::MeasureLengthAuto()
{
    lathe_->state.measureMode = measure::kAutoLength;
    UpdateCursor();
    lathe_->ports.alerts.Message(measure::kAskSegment);
}

void COrbelView::MeasureDiameter()
{
    lathe_->ports.alerts.Message(measure::kAskSegment);
    lathe_->state.measureMode = measure::kDiameter;
    UpdateCursor();
}

void COrbelView::UpdateCursor()
{
    switch (lathe_->state.measureMode) {
    case measure::kFirstPoint:
    case measure::kSecondPoint: setCursor(Qt::CrossCursor); break;
    case measure::kAutoLength: setCursor(Qt::SizeHorCursor); break;
    case measure::kDiameter: setCursor(Qt::SizeVerCursor); break;
    default: setCursor(Qt::ArrowCursor); break;
    }
}

void COrbelView::ClickAt(Point at)
{
    const MeasureStep step = MeasureClick(lathe_->state, at, firstPoint_);
    UpdateCursor();
    if (!step.message.empty()) lathe_->ports.alerts.Message(step.message);
    if (!step.result.empty()) WriteText(kResultAt, step.result, kReadoutInk, Qt::black);
}

void COrbelView::ShowMouseReadout(Point at)
{
    WriteText(kMouseAt, MouseText(at.x, at.y), kReadoutInk, Qt::black);
    WriteText(kModeAt, ModeText(lathe_->state.traceMode), kReadoutInk, Qt::black);
}

void COrbelView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
    const QPoint p = event->position().toPoint();
    ClickAt(Point{p.x(), p.y()});
}

void COrbelView::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    UpdateCursor();
    ShowMouseReadout(Point{p.x(), p.y()});
}

}  // namespace zan::gui
