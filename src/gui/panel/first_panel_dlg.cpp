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

// Where a rectangle of window pixels lies in the backing image.
QRect InImage(const QRect& r, const QImage& image)
{
    const int ratio = qRound(image.devicePixelRatio());
    return QRect(r.topLeft() * ratio, r.size() * ratio);
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
        key->setGeometry(KeyRect(info.place));
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
    QRect dirty;
    if (repaintArea) {
        paintBackground(ToQRect(kLcdArea));
        dirty = ToQRect(kLcdArea);
    }
    dirty |= lcd_.Render(screen, backing_);
    if (!dirty.isEmpty()) update(dirty);
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
    p.setRenderHint(QPainter::SmoothPixmapTransform, devicePixelRatioF() != backing_.devicePixelRatio());
    for (const QRect& r : event->region()) p.drawImage(QRectF(r), backing_, QRectF(InImage(r, backing_)));
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
