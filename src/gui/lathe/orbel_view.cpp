#include "lathe/orbel_view.h"

#include <QPainter>
#include <QPaintEvent>
#include <QPolygon>

namespace zan::gui {

namespace {

constexpr int kViewWidth = 1024;  // view pixels
constexpr int kViewHeight = 768;

QRect ToQRect(const Rect& r)
{
    const Rect n = r.normalized();
    return QRect(n.left, n.top, n.right - n.left, n.bottom - n.top);
}

QPolygon ToQPolygon(const Polygon& p)
{
    QPolygon q;
    for (const Point& pt : p) q << QPoint(pt.x, pt.y);
    return q;
}

}  // namespace

COrbelView::COrbelView(Alerts& alerts, Clock& clock, PanelLink& panel, QWidget* parent)
    : QWidget(parent), backing_(kViewWidth, kViewHeight, QImage::Format_RGB32)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(kViewWidth, kViewHeight);
    lathe_ = std::make_unique<Lathe>(Ports{alerts, clock, *this, panel},
                                     LatheOptions{false, ProgramFolder::OfExecutable()});
    RenderAll();
}

COrbelView::~COrbelView() = default;

// A plain picture of the machine: workpiece, chuck and tool.
void COrbelView::RenderAll()
{
    const LatheState& s = lathe_->state;
    backing_.fill(Qt::black);
    QPainter p(&backing_);
    const int half = s.blankDiameter / 2;
    for (int k = s.layout.chuckFace(); k < s.blankEnd && k < kProfileColumns; ++k) {
        const int r = std::min(static_cast<int>(s.profile[k]) - kAxisRow, half);
        if (r > 0) p.fillRect(k, kAxisRow - r + 1, 1, 2 * r - 1, QColor(170, 170, 150));
    }
    p.fillRect(0, 98, 153, 279, QColor(60, 60, 70));
    if (!s.traceMode) {
        p.setPen(QColor(100, 100, 100));
        p.setBrush(QColor(100, 100, 100));
        const Point ref{s.drawnZ, s.drawnX};
        Polygon outline;
        const int w = s.toolStation == 2 ? 30 : 15;
        outline.add(ref);
        outline.add(Point{ref.x, ref.y - 70});
        outline.add(Point{ref.x + w, ref.y - 70});
        outline.add(Point{ref.x + w, ref.y});
        p.drawPolygon(ToQPolygon(outline));
        p.fillRect(ref.x, ref.y + 1, 237, 237, QColor(45, 45, 55));
    }
}

void COrbelView::Changed(const QRect& rect) { update(rect); }

void COrbelView::EraseTool(const ToolErase&) {}
void COrbelView::FillReflected(const Polygon&, const Rect*) {}

void COrbelView::DrawTool(const ToolDrawing& tool)
{
    RenderAll();
    Changed(ToQPolygon(tool.outline).boundingRect().united(QRect(tool.pictureAt.x - 240, 0, 720, kViewHeight)));
}

void COrbelView::DrawTraceLine(Point from, Point to)
{
    QPainter p(&backing_);
    p.setPen(QColor(255, 0, 0));
    p.drawLine(from.x, from.y, to.x, to.y);
    Changed(QRect(QPoint(from.x, from.y), QPoint(to.x, to.y)).normalized().adjusted(-1, -1, 1, 1));
}

void COrbelView::DrawErrorText(std::string_view text)
{
    QPainter p(&backing_);
    p.setPen(Qt::white);
    p.drawText(0, 16, QString::fromUtf8(text.data(), qsizetype(text.size())));
    Changed(QRect(0, 0, kViewWidth, 24));
}

void COrbelView::RepaintUnderTool(const UnderTool&) {}

void COrbelView::Refresh(const Rect& rect)
{
    RenderAll();
    Changed(ToQRect(rect));
}

void COrbelView::ShowTurretFrame(const TurretFrame& frame)
{
    QImage image(frame.width, frame.height, QImage::Format_RGB32);
    for (int y = 0; y < frame.height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < frame.width; ++x)
            line[x] = 0xFF000000u | frame.palette[frame.pixels[std::size_t(y) * frame.width + x]];
    }
    QPainter(&backing_).drawImage(frame.topLeft.x, frame.topLeft.y, image);
    Changed(QRect(frame.topLeft.x, frame.topLeft.y, frame.width, frame.height));
}

void COrbelView::FillBlack(const Rect& rect)
{
    QPainter(&backing_).fillRect(ToQRect(rect), Qt::black);
    Changed(ToQRect(rect));
}

void COrbelView::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    p.drawImage(event->rect(), backing_, event->rect());
}

}  // namespace zan::gui
