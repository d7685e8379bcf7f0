#include "gui/dialogs/tool_sketch.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include "core/lathe/ports.h"

namespace zan::gui {

namespace {

constexpr int kScale = 3;                // editor pixels per millimetre
constexpr int kArea = 30;                // the grid spans kArea .. kAreaEnd both ways
constexpr int kAreaEnd = 510;
constexpr int kBorderBottom = 514;
constexpr int kGridStep = 30;            // 10 mm
constexpr int kShankCentre = 270;
constexpr int kSketchWidth = 540;
constexpr int kSketchHeight = 530;

const QColor kGridGreen(0, 200, 0);
const QColor kBorderYellow(212, 192, 79);
const QColor kOutlineRed(255, 0, 0);
const QColor kLineRed(200, 0, 0);

constexpr std::string_view kKeepInside = "在未有限制鼠标的活动范围前请勿超越黄线";

bool Inside(QPoint p) { return p.x() >= kArea && p.x() <= kAreaEnd && p.y() >= kArea && p.y() <= kAreaEnd; }

// The shank's top-left corner: where the outline starts.
QPoint ShankCorner()
{
    const int halfWidth = kScale * ToolSketch::kToolWidth / 2;
    return QPoint(kShankCentre - halfWidth, kAreaEnd - kScale * ToolSketch::kShankLength);
}

QPen Pen(const QColor& colour, int width)
{
    return QPen(colour, width, Qt::SolidLine, width > 1 ? Qt::RoundCap : Qt::SquareCap, Qt::RoundJoin);
}

}  // namespace

ToolSketch::ToolSketch(Alerts& alerts, QWidget* parent)
    : QWidget(parent), alerts_(alerts), image_(kSketchWidth, kSketchHeight, QImage::Format_RGB32),
      current_(ShankCorner()), bandEnd_(ShankCorner())
{
    setObjectName(QStringLiteral("sketch"));
    setFixedSize(kSketchWidth, kSketchHeight);
    setMouseTracking(true);  // the cursor changes over the grid even without a button
    setAttribute(Qt::WA_OpaquePaintEvent);
    Render();
}

// Black grid area, green grid lines every 10 mm, the yellow border, the red
// shank and the outline drawn so far.
void ToolSketch::Render()
{
    image_.fill(palette().color(QPalette::Window));
    QPainter p(&image_);
    p.fillRect(QRect(QPoint(kArea, kArea), QPoint(kAreaEnd - 1, kAreaEnd - 1)), Qt::black);
    p.setPen(Pen(kGridGreen, 1));
    for (int at = kArea; at <= kAreaEnd; at += kGridStep) {
        p.drawLine(at, kArea, at, kAreaEnd);
        p.drawLine(kArea, at, kAreaEnd, at);
    }
    p.setPen(Pen(kBorderYellow, 8));
    p.drawPolyline(QPolygon({QPoint(kArea, kArea), QPoint(kAreaEnd, kArea), QPoint(kAreaEnd, kBorderBottom),
                             QPoint(kArea, kBorderBottom), QPoint(kArea, kArea)}));
    const QPoint corner = ShankCorner();
    const int right = corner.x() + kScale * kToolWidth;
    p.setPen(Pen(kOutlineRed, 3));
    p.drawPolyline(QPolygon({QPoint(corner.x(), kAreaEnd), corner, QPoint(right, corner.y()), QPoint(right, kAreaEnd)}));
    QPolygon outline({corner});
    for (const QPoint& point : points_) outline << point;
    p.drawPolyline(outline);
}

void ToolSketch::paintEvent(QPaintEvent*)
{
    QPainter(this).drawImage(0, 0, image_);
}

void ToolSketch::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) mouseDown_ = true;
}

void ToolSketch::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    setCursor(Inside(at) ? Qt::CrossCursor : Qt::ArrowCursor);
    if (!mouseDown_) return;
    // The warning box takes the button's release; without the button there is
    // no drag any more.
    if (!(event->buttons() & Qt::LeftButton)) {
        EndDrag();
        return;
    }
    dragged_ = true;
    if (!Inside(at)) {
        alerts_.Message(kKeepInside);
        return;
    }
    ShowBand(at);
}

void ToolSketch::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !mouseDown_) return;
    const bool dragged = dragged_;
    EndDrag();
    if (dragged) AddPoint(event->position().toPoint());
}

void ToolSketch::EndDrag()
{
    HideBand();
    mouseDown_ = false;
    dragged_ = false;
}

// The rubber band is drawn exclusive-or, so drawing it again removes it
// without disturbing the grid beneath.
void ToolSketch::ShowBand(QPoint end)
{
    HideBand();
    QPainter p(&image_);
    p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    p.setPen(Pen(kLineRed, 1));
    p.drawLine(current_, end);
    bandEnd_ = end;
    bandShown_ = true;
    update(QRect(current_, end).normalized().adjusted(-1, -1, 1, 1));
}

void ToolSketch::HideBand()
{
    if (!bandShown_) return;
    QPainter p(&image_);
    p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    p.setPen(Pen(kLineRed, 1));
    p.drawLine(current_, bandEnd_);
    bandShown_ = false;
    update(QRect(current_, bandEnd_).normalized().adjusted(-1, -1, 1, 1));
}

// The outline holds at most 50 points; further releases are ignored.
void ToolSketch::AddPoint(QPoint at)
{
    if (static_cast<int>(points_.size()) >= kMaxPoints) return;
    QPainter p(&image_);
    p.setPen(Pen(kLineRed, 4));
    p.drawLine(current_, at);
    update(QRect(current_, at).normalized().adjusted(-3, -3, 3, 3));
    points_.push_back(at);
    current_ = at;
}

}  // namespace zan::gui
