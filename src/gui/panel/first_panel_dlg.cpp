#include "gui/panel/first_panel_dlg.h"

#include <QPaintEvent>
#include <QResizeEvent>
#include <QPainter>
#include <QtMath>
#include <algorithm>

#include "core/panel/key_table.h"
#include "gui/panel/key_button.h"
#include "gui/panel/key_faces.h"
#include "gui/panel/panel_field_widgets.h"

namespace zan::gui {

namespace {

QRect ToQRect(const Rect& r) { return QRect(r.left, r.top, r.right - r.left, r.bottom - r.top); }

// The background picture at the size it is shown; a plain face when it is missing.
QImage Picture()
{
    QImage picture(QStringLiteral(":/panel/background.png"));
    if (picture.isNull()) {
        picture = QImage(CFirstPanelDlg::kPictureSize, QImage::Format_RGB32);
        picture.fill(Qt::lightGray);
    }
    return picture.convertToFormat(QImage::Format_RGB32)
        .scaled(CFirstPanelDlg::kPictureSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// The backing image at the desktop's scale, in whole image pixels per window
// pixel (LCD cells must fall on whole pixels): 150 % gets 2, shown reduced.
// A ratio within this of a whole number is that number (desktops round).
constexpr qreal kRatioSlack = 0.01;

QImage Backing(qreal desktopRatio)
{
    const int ratio = std::clamp(qCeil(desktopRatio - kRatioSlack), 1, LcdGlyphs::kMaxRatio);
    QImage backing(CFirstPanelDlg::kLargest * ratio, QImage::Format_RGB32);
    backing.setDevicePixelRatio(ratio);
    return backing;
}

// Where a rectangle of window pixels lies in the backing image, at a zoom.
QRectF InImage(const QRect& r, const QImage& image, qreal zoom)
{
    const qreal scale = qRound(image.devicePixelRatio()) / zoom;
    return QRectF(QPointF(r.topLeft()) * scale, QSizeF(r.size()) * scale);
}

// Panel pixels to window pixels, rounded outwards.
QRect Zoomed(const QRect& r, qreal zoom)
{
    return QRectF(QPointF(r.topLeft()) * zoom, QSizeF(r.size()) * zoom).toAlignedRect();
}

bool Inside(const LcdScreen::Op& op, const Rect& area)
{
    const Rect r = op.kind == LcdScreen::Op::Kind::ClearBody ? kLcdBody : TextRect(op.text);
    return r.left >= area.left && r.top >= area.top && r.right <= area.right && r.bottom <= area.bottom;
}

}  // namespace

CFirstPanelDlg::CFirstPanelDlg(QWidget* owner)
    : QWidget(owner, Qt::Window), picture_(Picture())
{
    backing_ = Backing(devicePixelRatioF());
    setWindowTitle(QStringLiteral("第一控制面板"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    // A resize beyond this is set back to it.
    setMaximumSize(kLargest);
    resize(kOpenSize);
    paintBackground(QRect(QPoint(), kLargest));
    createKeys();
    fields_ = new PanelFieldWidgets(this);
}

void CFirstPanelDlg::createKeys()
{
    for (const KeyInfo& info : PanelKeys()) {
        auto* key = new CKeyButton(info.id, KeyFacePicture(info.face), info.lamp, this);
        key->Place(KeyRect(info.place));
        connect(key, &CKeyButton::down, this, &CFirstPanelDlg::keyDown);
        connect(key, &CKeyButton::up, this, &CFirstPanelDlg::keyUp);
        keys_.push_back(key);
    }
}

CKeyButton* CFirstPanelDlg::Key(KeyId id) const
{
    for (CKeyButton* key : keys_)
        if (key->id() == id) return key;
    return nullptr;
}

// The window's own colour beyond the picture.
void CFirstPanelDlg::paintBackground(const QRect& area)
{
    QPainter p(&backing_);
    p.setClipRect(area);
    p.fillRect(area, palette().color(QPalette::Window));
    // Pixel art: enlarged on a scaled desktop without smoothing.
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    p.drawImage(0, 0, picture_);
}

void CFirstPanelDlg::ShowScreen(const LcdScreen& screen, bool repaintArea)
{
    remember(screen, repaintArea);
    QRect dirty;
    if (repaintArea) {
        paintBackground(ToQRect(kLcdArea));
        dirty = ToQRect(kLcdArea);
    }
    dirty |= lcd_.Render(screen, backing_);
    if (!dirty.isEmpty()) update(Zoomed(dirty, zoom_));
}

// Drawing is opaque: what a later clearing covers whole is gone.
void CFirstPanelDlg::remember(const LcdScreen& screen, bool repaintArea)
{
    const auto forget = [this](const Rect& area) {
        std::erase_if(shownOps_, [&area](const LcdScreen::Op& op) { return Inside(op, area); });
    };
    if (repaintArea) forget(kLcdArea);
    for (const LcdScreen::Op& op : screen.ops()) {
        if (op.kind == LcdScreen::Op::Kind::ClearBody) forget(kLcdBody);
        shownOps_.push_back(op);
    }
}

void CFirstPanelDlg::SetZoom(qreal zoom)
{
    if (zoom == zoom_) return;
    const QSizeF inside = QSizeF(size()) / zoom_;
    zoom_ = zoom;
    backing_ = Backing(devicePixelRatioF() * zoom_);
    paintBackground(QRect(QPoint(), kLargest));
    LcdScreen again;
    for (const LcdScreen::Op& op : shownOps_) {
        if (op.kind == LcdScreen::Op::Kind::ClearBody) again.ClearBody();
        else again.Text(op.text.x, op.text.y, op.text.text, op.text.video, op.text.font);
    }
    lcd_.Render(again, backing_);
    for (CKeyButton* key : keys_) key->SetZoom(zoom_);
    fields_->SetZoom(zoom_);
    setMaximumSize((QSizeF(kLargest) * zoom_).toSize());
    resize((inside * zoom_).toSize());
    update();
}

void CFirstPanelDlg::SetLamp(KeyId key, bool on)
{
    if (CKeyButton* button = Key(key)) button->SetLamp(on);
}

void CFirstPanelDlg::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    // At the image's own ratio this copies pixels; at a fractional scale, or
    // moved to a screen of another scale, it is resampled smoothly.
    p.setRenderHint(QPainter::SmoothPixmapTransform, devicePixelRatioF() * zoom_ != backing_.devicePixelRatio());
    for (const QRect& r : event->region()) p.drawImage(QRectF(r), backing_, InImage(r, backing_, zoom_));
}

// The window's largest size is a hint to the desktop; where nothing keeps
// to it (no window manager), a larger size is set back here.
void CFirstPanelDlg::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const QSize bounded = event->size().boundedTo(maximumSize());
    if (bounded != event->size()) resize(bounded);
}

void CFirstPanelDlg::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (shown_) return;
    shown_ = true;
    emit firstShown();
}

}  // namespace zan::gui
