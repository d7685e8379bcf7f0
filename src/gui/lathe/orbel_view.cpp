#include "gui/lathe/orbel_view.h"

#include <QGuiApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>

#include "gui/lathe/view_text.h"

namespace zan::gui {

namespace {

constexpr int kViewWidth = 1024;  // view pixels
constexpr int kViewHeight = 768;
constexpr QRgb kBlackPixel = kOpaque;
constexpr QRgb kToolPixel = kOpaque | kToolGrey;
constexpr QRgb kTracePixel = kOpaque | kTraceRed;

bool SmallLayout(const ViewOptions& options)
{
    int width = options.displayWidth;
    if (width <= 0) {
        const QScreen* screen = QGuiApplication::primaryScreen();
        width = screen ? screen->size().width() : kViewWidth;
    }
    return width < kViewWidth;
}

}  // namespace

COrbelView::COrbelView(QWidget* parent, ViewOptions options)
    : QWidget(parent),
      smallLayout_(SmallLayout(options)),
      backing_(kViewWidth, kViewHeight, QImage::Format_RGB32),
      raster_(backing_),
      painter_(smallLayout_),
      font_(ViewFont())
{
    // Every pixel is painted from the backing image: no background erase.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    backing_.fill(Qt::black);
}

void COrbelView::Attach(Station& station)
{
    station_ = &station;
    // The picture is ready before the window first shows; the panel comes
    // with the first repaint on screen.
    Repaint(backing_.rect(), false);
}

COrbelView::~COrbelView() = default;

QSize COrbelView::sizeHint() const { return (QSizeF(backing_.size()) * zoom_).toSize(); }

void COrbelView::SetZoom(qreal zoom)
{
    zoom_ = zoom;
    resize(sizeHint());
    update();
}

// View pixels to window pixels, rounded outwards.
static QRect Enlarged(const QRect& r, qreal zoom)
{
    return QRectF(QPointF(r.topLeft()) * zoom, QSizeF(r.size()) * zoom).toAlignedRect();
}

void COrbelView::Flush()
{
    const QRect dirty = raster_.TakeDirty();
    if (!dirty.isEmpty()) update(Enlarged(dirty, zoom_));
}

// The full repaint restricted to `area`: background, workpiece, jaws, chuck,
// tailstock, then the tool in place and the operator panel.
void COrbelView::Repaint(const QRect& area, bool showPanel)
{
    if (!station_) return;  // the machine is still being built; Attach paints it
    const QRect target = area & backing_.rect();
    if (painting_) {
        // Asked for while the tool is being redrawn in place (a refused redraw
        // asks for the whole view): paint the machine there, but do not call
        // the machine again, which would ask again without end.
        const QRect outer = raster_.clip();
        raster_.SetClip(target);
        painter_.PaintMachine(raster_, lathe().state);
        raster_.SetClip(outer);
        return;
    }
    painting_ = true;
    raster_.SetClip(target);
    painter_.PaintMachine(raster_, lathe().state);
    const LatheState& s = lathe().state;
    if (!s.runFlag && !s.traceMode) lathe().MoveTool(0.0f, 0.0f, MoveMode::Redraw);
    raster_.ResetClip();
    painting_ = false;
    Flush();
    if (showPanel && !showingPanel_) {
        showingPanel_ = true;
        station_->PanelEvent(PanelEventCode::ShowPanel);
        showingPanel_ = false;
    }
}

void COrbelView::RepaintAll() { Repaint(backing_.rect(), true); }

void COrbelView::Refresh(const Rect& rect) { Repaint(ToQRect(rect), true); }

void COrbelView::EraseTool(const ToolErase& erase)
{
    raster_.FillPolygon(erase.oldOutline, kBlackPixel);
    if (erase.hasHolder) raster_.FillRect(ToQRect(erase.oldHolder), kBlackPixel);
    for (const Rect& band : erase.bands)
        if (!band.empty()) raster_.FillRect(ToQRect(band), kBlackPixel);
    Flush();
}

void COrbelView::FillReflected(const Polygon& outline, const Rect* holder)
{
    raster_.FillPolygon(outline, kBlackPixel);
    if (holder) raster_.FillRect(ToQRect(*holder), kBlackPixel);
    Flush();
}

void COrbelView::DrawTool(const ToolDrawing& tool)
{
    raster_.FillPolygon(tool.outline, kToolPixel);
    if (tool.hasHolder) raster_.FillRect(ToQRect(tool.holder), kToolPixel);
    raster_.Blit(painter_.TurretPicture(tool.turretPicture), QPoint(tool.pictureAt.x, tool.pictureAt.y));
    Flush();
}

void COrbelView::DrawTraceLine(Point from, Point to)
{
    raster_.Line(from, to, kTracePixel);
    Flush();
}

void COrbelView::DrawErrorText(std::string_view text) { WriteText(QPoint(0, 0), text, Qt::black, Qt::white); }

void COrbelView::RepaintUnderTool(const UnderTool& under)
{
    if (!station_) return;  // the first repaint paints the workpiece anyway
    painter_.PaintUnderTool(raster_, lathe().state, under);
    Flush();
}

void COrbelView::ShowTurretFrame(const TurretFrame& frame)
{
    const QRect area = QRect(frame.topLeft.x, frame.topLeft.y, frame.width, frame.height) & raster_.clip();
    if (area.isEmpty() || frame.pixels.size() < static_cast<std::size_t>(frame.width) * frame.height) return;
    QRgb palette[256];
    for (int i = 0; i < 256; ++i) palette[i] = Opaque(frame.palette[i]);
    for (int y = area.top(); y <= area.bottom(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(backing_.scanLine(y));
        const std::uint8_t* source = frame.pixels.data() + static_cast<std::size_t>(y - frame.topLeft.y) * frame.width;
        for (int x = area.left(); x <= area.right(); ++x) line[x] = palette[source[x - frame.topLeft.x]];
    }
    raster_.MarkDirty(area);
    Flush();
}

void COrbelView::FillBlack(const Rect& rect)
{
    raster_.FillRect(ToQRect(rect), kBlackPixel);
    Flush();
}

void COrbelView::WriteText(QPoint at, std::string_view text, QColor ink, QColor paper)
{
    raster_.MarkDirty(DrawViewText(backing_, raster_.clip(), at, text, ink, paper, font_));
    Flush();
}

void COrbelView::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    // On a scaled desktop each view pixel becomes a block of screen pixels:
    // the view is the controller's low-resolution screen, and smoothing
    // would blur its lines and text.
    // So does an enlarged view.
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    const QRect shown = Enlarged(backing_.rect(), zoom_);
    for (const QRect& r : event->region()) {
        const QRect inside = r & shown;
        if (inside.isEmpty()) continue;
        if (zoom_ == 1) {
            p.drawImage(inside.topLeft(), backing_, inside);
            continue;
        }
        // The view pixels under the rectangle, drawn enlarged where they fall.
        const QRect source = QRectF(QPointF(inside.topLeft()) / zoom_, QSizeF(inside.size()) / zoom_).toAlignedRect() & backing_.rect();
        p.drawImage(QRectF(QPointF(source.topLeft()) * zoom_, QSizeF(source.size()) * zoom_), backing_, source);
    }
    // Beyond the view's pixels the window stays black.
    for (const QRect& r : event->region().subtracted(QRegion(shown))) p.fillRect(r, Qt::black);
}

void COrbelView::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (shown_) return;
    shown_ = true;
    // The first repaint on screen brings up the operator panel, once the
    // window itself is up.
    QMetaObject::invokeMethod(this, [this] { RepaintAll(); }, Qt::QueuedConnection);
}

}  // namespace zan::gui
