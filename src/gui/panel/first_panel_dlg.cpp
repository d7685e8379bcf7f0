#include "gui/panel/first_panel_dlg.h"

#include <QPaintEvent>
#include <QResizeEvent>
#include <QPainter>

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

}  // namespace

CFirstPanelDlg::CFirstPanelDlg(QWidget* owner)
    : QWidget(owner, Qt::Window), picture_(Picture()), backing_(kLargest, QImage::Format_RGB32)
{
    setWindowTitle(QStringLiteral("第一控制面板"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    // A resize beyond this is set back to it.
    setMaximumSize(kLargest);
    resize(kOpenSize);
    paintBackground(backing_.rect());
    createKeys();
    fields_ = new PanelFieldWidgets(this);
}

void CFirstPanelDlg::createKeys()
{
    for (const KeyInfo& info : PanelKeys()) {
        auto* key = new CKeyButton(info.id, KeyFacePicture(info.face, KeySet::Panel), info.lamp, this);
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
    for (const QRect& r : event->region()) p.drawImage(r.topLeft(), backing_, r);
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
