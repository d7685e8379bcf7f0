#pragma once
// The drawing area of the custom tool editor: a 3:1 grid inside a yellow
// border with the tool's shank, on which the student draws the tool's outline
// by dragging from its last point. Coordinates are the editor's own pixels,
// which is how the machine takes the drawn points.

#include <QImage>
#include <QPoint>
#include <QWidget>
#include <vector>

namespace zan {
class Alerts;
}

namespace zan::gui {

class ToolSketch : public QWidget {
    Q_OBJECT
public:
    static constexpr int kMaxPoints = 50;
    static constexpr int kShankLength = 70;  // mm
    static constexpr int kToolWidth = 30;    // mm

    ToolSketch(Alerts& alerts, QWidget* parent);

    const std::vector<QPoint>& points() const { return points_; }
    const QImage& image() const { return image_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void Render();
    void ShowBand(QPoint end);
    void HideBand();
    void AddPoint(QPoint at);
    void EndDrag();

    Alerts& alerts_;
    QImage image_;
    std::vector<QPoint> points_;
    bool mouseDown_ = false;
    bool dragged_ = false;
    QPoint current_;               // the outline's last point; the band starts here
    QPoint bandEnd_;
    bool bandShown_ = false;       // the band is XOR-drawn on the image
};

}  // namespace zan::gui
