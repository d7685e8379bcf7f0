#include "gui/panel/key_button.h"

#include <QMouseEvent>
#include <QPainter>
#include <utility>

#include "core/panel/key_table.h"

namespace zan::gui {

namespace {

constexpr QRgb kLampRed = qRgb(254, 90, 69);
// The lamp fills the pixels (2, 2) to (7, 7) of the key, outline included.
const QRect kLampRect(2, 2, 5, 5);
// The face shows inside the key less 5 pixels left and right, 2 above and below.
constexpr QMargins kFaceInset(5, 2, 5, 2);

// Where the key's row puts its face: most faces start 1 pixel from the
// key's left edge.
int FaceLeft(KeyId id)
{
    const KeyInfo* key = FindKey(id);
    return key != nullptr ? key->faceLeft : 1;
}

}  // namespace

CKeyButton::CKeyButton(KeyId id, QImage face, bool lampKey, QWidget* parent)
    : QWidget(parent),
      id_(id),
      face_(std::move(face)),
      lampKey_(lampKey),
      jogKey_(IsJogKey(id)),
      faceLeft_(FaceLeft(id))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    // A click takes the focus, as the panel's buttons do; the keyboard's Tab stays with the fields.
    setFocusPolicy(Qt::ClickFocus);
}

void CKeyButton::Place(const QRect& place)
{
    place_ = place;
    SetZoom(zoom_);
}

void CKeyButton::SetZoom(qreal zoom)
{
    zoom_ = zoom;
    setGeometry(QRectF(QPointF(place_.topLeft()) * zoom, QSizeF(place_.size()) * zoom).toAlignedRect());
    update();
}

void CKeyButton::SetLamp(bool on)
{
    if (lampOn_ == on) return;
    lampOn_ = on;
    if (lampKey_) update(QRectF(QPointF(kLampRect.topLeft()) * zoom_, QSizeF(kLampRect.size() + QSize(1, 1)) * zoom_).toAlignedRect());
}

void CKeyButton::SetBorder(Border border)
{
    border_ = border;
    update();
}

// Drawn in the key's pixels at zoom 1, scaled to its size.
void CKeyButton::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Button));
    p.scale(zoom_, zoom_);
    p.setRenderHint(QPainter::SmoothPixmapTransform, zoom_ != 1);
    DrawFrame(p);
    QRect shown = Inside().marginsRemoved(kFaceInset);
    if (pressed_ && isEnabled()) shown.translate(1, 1);
    const QPoint at(shown.left() - kFaceInset.left() + faceLeft_, shown.top() + (shown.height() - face_.height()) / 2);
    p.setClipRect(shown);
    p.drawImage(at, face_);
    p.setClipping(false);
    if (lampKey_ && lampOn_) DrawLamp(p);
}

// One pixel round the key: flat in the key's colour, sunken with the shadow
// above and left, raised with the light there.
void CKeyButton::DrawFrame(QPainter& p) const
{
    if (border_ == Border::Flat) return;
    const QColor light = palette().color(QPalette::Light);
    const QColor shadow = palette().color(QPalette::Dark);
    const QColor& topLeft = border_ == Border::Sunken ? shadow : light;
    const QColor& bottomRight = border_ == Border::Sunken ? light : shadow;
    const QRect r = Inside();
    p.setPen(topLeft);
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(bottomRight);
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
}

void CKeyButton::DrawLamp(QPainter& p) const
{
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(Qt::black, 0));
    p.setBrush(QColor(kLampRed));
    p.drawEllipse(kLampRect);
}

QRect CKeyButton::Inside() const { return place_.isValid() ? QRect(QPoint(), place_.size()) : rect(); }

void CKeyButton::Press()
{
    pressed_ = true;
    setFocus(Qt::MouseFocusReason);
    SetBorder(Border::Sunken);
    if (!jogKey_) return;
    held_ = true;
    emit down(id_);
}

void CKeyButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) Press();
}

void CKeyButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) return;
    const bool over = pressed_ && rect().contains(event->position().toPoint());
    pressed_ = false;
    if (jogKey_) {
        if (!held_) return;  // its release was reported when the mouse left the key
        held_ = false;
    } else if (!over) {
        return;  // the mouse left the key before the button came up: no command
    }
    if (!hasFocus()) setFocus(Qt::MouseFocusReason);
    SetBorder(Border::Raised);
    emit up(id_);
}

// A second press of a jog key is a press like the first, so a double click
// jogs or steps twice; other keys only sink again and report on release.
void CKeyButton::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) return;
    if (jogKey_) return Press();
    pressed_ = true;
    if (hasFocus()) SetBorder(Border::Sunken);
    else setFocus(Qt::MouseFocusReason);
}

// While the button is down the key sees every move: leaving it lets the key
// rise (and ends a jog); coming back sinks it again.
void CKeyButton::mouseMoveEvent(QMouseEvent* event)
{
    if (!(event->buttons() & Qt::LeftButton)) return;
    const bool over = rect().contains(event->position().toPoint());
    if (pressed_ && !over) {
        pressed_ = false;
        SetBorder(Border::Flat);
        if (held_) {
            held_ = false;
            emit up(id_);
        }
    } else if (!pressed_ && over) {
        pressed_ = true;
        SetBorder(Border::Sunken);
    }
}

void CKeyButton::enterEvent(QEnterEvent*)
{
    if (!pressed_) SetBorder(Border::Raised);
}

void CKeyButton::leaveEvent(QEvent*)
{
    if (!pressed_) SetBorder(Border::Flat);
}

void CKeyButton::focusInEvent(QFocusEvent*) { SetBorder(pressed_ ? Border::Sunken : Border::Raised); }

void CKeyButton::focusOutEvent(QFocusEvent*) { SetBorder(Border::Flat); }

}  // namespace zan::gui
