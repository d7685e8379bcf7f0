#pragma once
// One key of the operator panel or of the second key pad: its face picture
// in a one-pixel frame that lies flat, sinks while the key is pressed and
// stands out while the mouse is over it or the key has the focus; a press
// moves the face one pixel right and down. Lamp keys carry a red lamp in
// their top left corner.
//
// A key reports as its button comes up over it; the four jog keys also
// report as it goes down, so a jog can run while the key is held. A jog key
// left while held reports its release there, so that every press of a jog
// key is followed by exactly one release and no jog runs on unattended.

#include <QImage>
#include <QWidget>

#include "core/panel/key_table.h"

namespace zan::gui {

class CKeyButton : public QWidget {
    Q_OBJECT
public:
    enum class Border { Flat, Sunken, Raised };

    // The key `id` (its face offset from the key table); `lampKey`: the key
    // draws its lamp when lit.
    CKeyButton(KeyId id, QImage face, bool lampKey, QWidget* parent);

    KeyId id() const { return id_; }
    // Its rectangle in its window's pixels at zoom 1; enlarged with the window
    // (1.5, 2 or 3 window pixels a pixel) the key is drawn as large.
    void Place(const QRect& place);
    void SetZoom(qreal zoom);
    // Lights or puts out the lamp and repaints the key at once.
    void SetLamp(bool on);
    bool lampOn() const { return lampOn_; }
    Border border() const { return border_; }
    bool held() const { return held_; }

signals:
    void down(zan::KeyId id);  // jog keys: the left button went down on the key
    void up(zan::KeyId id);    // the left button came up over the key

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void Press();
    void SetBorder(Border border);
    void DrawFrame(QPainter& p) const;
    QRect Inside() const;  // the key at zoom 1
    void DrawLamp(QPainter& p) const;

    const KeyId id_;
    const QImage face_;
    const bool lampKey_;
    const bool jogKey_;
    const int faceLeft_;       // pixels from the key's left edge to the face's
    QRect place_;              // at zoom 1
    qreal zoom_ = 1;
    bool lampOn_ = false;
    bool pressed_ = false;     // the left button went down here and is not up yet
    bool held_ = false;        // a jog key reported its press and not yet its release
    Border border_ = Border::Flat;
};

}  // namespace zan::gui
