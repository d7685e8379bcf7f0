#pragma once
// The lathe view's window: shows the frame the core's LatheView draws (view
// pixels, one pixel = one millimetre) without a copy, repainting on screen
// only the rectangles that changed, and reads the mouse for the read-out and
// the measurements. The frame stays in view pixels on a scaled desktop and
// when zoomed (the mouse, the measurement and the shading count them); it is
// enlarged there pixel for pixel, texts included.

#include <QImage>
#include <QWidget>

#include "core/station/station.h"

namespace zan::gui {

struct ViewOptions {
    // Width of the display in pixels; below 1024 the compact layout is used.
    // 0: ask the primary screen.
    int displayWidth = 0;
};

// The layout the machine must be built with for this display.
bool UsesSmallLayout(ViewOptions options);

class COrbelView : public QWidget, public ViewScreen {
    Q_OBJECT
public:
    // `view` must outlive the window.
    explicit COrbelView(LatheView& view, QWidget* parent = nullptr);
    ~COrbelView() override;

    // The controller whose machine the view shows, for the mouse; it must
    // outlive the window's use of it.
    void Attach(Station& station) { station_ = &station; }
    // Shows every view pixel as `zoom` x `zoom` window pixels (1, 1.5, 2 or
    // 3: a projector or a large screen); the widget takes the enlarged size
    // and the mouse is read back in view pixels.
    void SetZoom(qreal zoom);
    qreal zoom() const { return zoom_; }
    Lathe& lathe() { return station_->lathe; }
    LatheView& view() { return view_; }
    // The frame, as an image over the core's own pixels.
    const QImage& backing() const { return backing_; }

    // The full repaint: machine, tool in place, then the operator panel is shown.
    void RepaintAll() { view_.RepaintAll(); }

    // Measurement commands: a prompt, then the mouse does the rest.
    void Measure(MeasureMode mode);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    // ViewScreen: asks the widget to show what was painted.
    void FrameChanged() override;
    void ClickAt(Point at);
    void UpdateCursor();

    LatheView& view_;
    QImage backing_;
    qreal zoom_ = 1;
    bool shown_ = false;
    Station* station_ = nullptr;  // not owned
};

}  // namespace zan::gui
