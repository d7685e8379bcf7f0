// Measuring the workpiece with the mouse, and the mouse read-out: the core
// writes both on the view. The controller keeps the measurement's state; the
// window keeps the cursor in step with it.

#include <QMouseEvent>
#include <QtMath>

#include "core/lathe/measurement.h"
#include "gui/lathe/orbel_view.h"

namespace zan::gui {

void COrbelView::Measure(MeasureMode mode)
{
    station_->BeginMeasurement(mode);
    UpdateCursor();
}

void COrbelView::UpdateCursor()
{
    switch (station_->measureMode()) {
    case MeasureMode::FirstPoint:
    case MeasureMode::SecondPoint: setCursor(Qt::CrossCursor); break;
    case MeasureMode::AutoLength: setCursor(Qt::SizeHorCursor); break;
    case MeasureMode::Diameter: setCursor(Qt::SizeVerCursor); break;
    default: setCursor(Qt::ArrowCursor); break;
    }
}

void COrbelView::ClickAt(Point at)
{
    const std::string result = station_->MeasureClick(at);
    UpdateCursor();
    view_.ShowMeasureResult(result);
}

void COrbelView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || station_ == nullptr) return QWidget::mousePressEvent(event);
    const QPointF p = event->position() / zoom_;  // view pixels
    ClickAt(Point{qFloor(p.x()), qFloor(p.y())});
}

void COrbelView::mouseMoveEvent(QMouseEvent* event)
{
    if (station_ == nullptr) return;
    const QPointF p = event->position() / zoom_;
    UpdateCursor();
    view_.ShowPointer(Point{qFloor(p.x()), qFloor(p.y())});
}

}  // namespace zan::gui
