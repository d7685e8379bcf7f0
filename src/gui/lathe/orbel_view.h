#pragma once
// The lathe view: paints the machine into a backing image in view pixels
// (one pixel = one millimetre). It is the machine's display port; the
// controller that owns the machine is attached once it is built. Everything the machine asks to draw is
// painted into the backing image at once; the widget then copies only the
// rectangles that changed onto the screen. The image stays in view pixels on
// a scaled desktop too (the mouse, the measurement and the shading count
// them); it is enlarged there pixel for pixel, texts included.

#include <QFont>
#include <QImage>
#include <QWidget>
#include <functional>
#include <memory>
#include <utility>

#include "core/station/station.h"
#include "gui/lathe/machine_painter.h"
#include "gui/lathe/raster.h"

namespace zan::gui {

struct ViewOptions {
    // Width of the display in pixels; below 1024 the compact layout is used.
    // 0: ask the primary screen.
    int displayWidth = 0;
};

class COrbelView : public QWidget, public LatheDisplay {
    Q_OBJECT
public:
    explicit COrbelView(QWidget* parent = nullptr, ViewOptions options = {});
    ~COrbelView() override;

    // The layout the machine must be built with for this display.
    bool smallLayout() const { return smallLayout_; }
    // The controller whose machine this view shows; it must outlive the
    // view's use of it. The view paints it at once.
    void Attach(Station& station);
    // Shows every view pixel as `zoom` x `zoom` window pixels (1, 1.5, 2 or
    // 3: a projector or a large screen); the widget takes the enlarged size
    // and the mouse is read back in view pixels.
    void SetZoom(qreal zoom);
    qreal zoom() const { return zoom_; }
    Lathe& lathe() { return station_->lathe; }
    const QImage& backing() const { return backing_; }

    // The full repaint: machine, tool in place, then the operator panel is shown.
    void RepaintAll();

    // Measurement commands: a prompt, then the mouse does the rest.
    void Measure(MeasureMode mode);

    // LatheDisplay
    void EraseTool(const ToolErase& erase) override;
    void FillReflected(const Polygon& outline, const Rect* holder) override;
    void DrawTool(const ToolDrawing& tool) override;
    void DrawTraceLine(Point from, Point to) override;
    void DrawErrorText(std::string_view text) override;
    void RepaintUnderTool(const UnderTool& under) override;
    void Refresh(const Rect& rect) override;
    void ShowTurretFrame(const TurretFrame& frame) override;
    void FillBlack(const Rect& rect) override;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void Repaint(const QRect& area, bool showPanel);
    void ClickAt(Point at);
    void ShowMouseReadout(Point at);
    void WriteText(QPoint at, std::string_view text, QColor ink, QColor paper);
    void UpdateCursor();
    void Flush();  // asks the widget to copy what was painted

    const bool smallLayout_;
    QImage backing_;
    Raster raster_;
    MachinePainter painter_;
    QFont font_;
    bool painting_ = false;    // a repaint is drawing the tool in place
    bool showingPanel_ = false;
    qreal zoom_ = 1;
    bool shown_ = false;
    Station* station_ = nullptr;  // not owned
};

}  // namespace zan::gui
