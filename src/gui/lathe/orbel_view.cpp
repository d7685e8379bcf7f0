#include "gui/lathe/orbel_view.h"

#include <QGuiApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>

namespace zan::gui {

namespace {

QImage Wrap(RgbaFrame& frame)
{
    return QImage(reinterpret_cast<uchar*>(frame.data()), frame.width(), frame.height(), frame.stride(),
                  QImage::Format_RGB32);
}

// View pixels to window pixels, rounded outwards.
QRect Enlarged(const QRect& r, qreal zoom)
{
    return QRectF(QPointF(r.topLeft()) * zoom, QSizeF(r.size()) * zoom).toAlignedRect();
}

}  // namespace

bool UsesSmallLayout(ViewOptions options)
{
    int width = options.displayWidth;
    if (width <= 0) {
        const QScreen* screen = QGuiApplication::primaryScreen();
        width = screen ? screen->size().width() : LatheView::kWidth;
    }
    return width < LatheView::kWidth;
}

COrbelView::COrbelView(LatheView& view, QWidget* parent) : QWidget(parent), view_(view), backing_(Wrap(view.frame()))
{
    // Every pixel is painted from the frame: no background erase.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    view_.frame().TakeDirty();  // the window shows all of it when it first shows
    view_.SetScreen(this);
}

COrbelView::~COrbelView() { view_.SetScreen(nullptr); }

QSize COrbelView::sizeHint() const { return (QSizeF(backing_.size()) * zoom_).toSize(); }

void COrbelView::SetZoom(qreal zoom)
{
    zoom_ = zoom;
    resize(sizeHint());
    update();
}

void COrbelView::FrameChanged()
{
    const FrameRect dirty = view_.frame().TakeDirty();
    if (!dirty.empty()) update(Enlarged(QRect(dirty.left, dirty.top, dirty.width(), dirty.height()), zoom_));
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
