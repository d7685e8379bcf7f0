#pragma once
// The lathe view: owns the machine and draws it into a backing image in view
// pixels (one pixel = one millimetre); the widget copies only what changed.

#include <QImage>
#include <QWidget>
#include <memory>

#include "lathe/lathe.h"

namespace zan::gui {

class COrbelView : public QWidget, public LatheDisplay {
    Q_OBJECT
public:
    COrbelView(Alerts& alerts, Clock& clock, PanelLink& panel, QWidget* parent = nullptr);
    ~COrbelView() override;

    Lathe& lathe() { return *lathe_; }
    const QImage& backing() const { return backing_; }

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

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void RenderAll();
    void Changed(const QRect& rect);

    QImage backing_;
    std::unique_ptr<Lathe> lathe_;
};

}  // namespace zan::gui
