#pragma once
// The operator panel's window "第一控制面板": the panel's background picture
// with the LCD drawn onto it, the keys, and the edit fields over the LCD. It
// paints and passes clicks on: all it knows of the controller is the LCD
// screen it is given to show and the lamps it is told to light.
//
// Everything is drawn into a backing frame of the window's largest size (the
// core draws the LCD into it, Qt the picture, through a QImage over the same
// memory); a repaint copies the asked-for rectangles of it. On a scaled
// desktop the frame has the desktop's device pixel ratio (rounded to whole
// pixels): the LCD's text is drawn at that resolution, the pixel-art picture
// enlarged without smoothing. Enlarged (a projector, a large screen) the panel is
// drawn the same way at its zoom: 1.5, 2 or 3 window pixels a panel pixel,
// the LCD's text drawn anew at the resolution that needs. Positions are
// panel pixels (the window's at zoom 1) throughout.

#include <QImage>
#include <QWidget>
#include <vector>

#include "core/files/rgba_frame.h"
#include "core/lcd/lcd_renderer.h"
#include "core/lcd/lcd_screen.h"
#include "core/panel/panel_codes.h"

namespace zan::gui {

class CKeyButton;
class PanelFieldWidgets;

class CFirstPanelDlg : public QWidget {
    Q_OBJECT
public:
    static constexpr QSize kOpenSize{290, 350};   // the LCD and the keys at its left
    static constexpr QSize kLargest{633, 370};    // every key
    static constexpr QSize kPictureSize{620, 332};  // the background picture, stretched to this

    explicit CFirstPanelDlg(QWidget* owner);

    PanelFieldWidgets& fields() { return *fields_; }
    CKeyButton* Key(KeyId id) const;
    // Its pixels are window pixels times `backing().devicePixelRatio()`.
    const QImage& backing() const { return backing_; }

    // Draws the screen onto the backing image now (after the background of
    // the screen area with `repaintArea`) and has what changed repainted.
    void ShowScreen(const LcdScreen& screen, bool repaintArea);
    void SetLamp(KeyId key, bool on);
    // Window pixels a panel pixel: the window, its keys and fields grow with it.
    void SetZoom(qreal zoom);
    qreal zoom() const { return zoom_; }

signals:
    void keyDown(zan::KeyId key);
    void keyUp(zan::KeyId key);
    void firstShown();

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void createKeys();
    void makeBacking(qreal desktopRatio);
    void paintBackground(const QRect& area);
    void remember(const LcdScreen& screen, bool repaintArea);
    // The frame's rectangle changed since it was last shown, in window pixels.
    QRect takeDirty();

    QImage picture_;
    RgbaFrame frame_;
    int ratio_ = 1;  // frame pixels a panel pixel
    QImage backing_;  // the frame, read only
    LcdRenderer lcd_;
    PanelFieldWidgets* fields_;
    std::vector<CKeyButton*> keys_;
    // What the LCD shows, as the texts still visible: drawn again when the
    // backing image changes resolution.
    std::vector<LcdScreen::Op> shownOps_;
    qreal zoom_ = 1;
    bool shown_ = false;
};

}  // namespace zan::gui
