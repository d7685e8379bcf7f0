#pragma once
// "速度性能控制": the run speed level 0 (slowest, every picture) to 4 (fastest,
// no pacing and no intermediate pictures). Modeless, created once and shown
// again on later requests with the slider on the level in force.

#include <QDialog>

class QLabel;
class QSlider;

namespace zan {
class Station;
}

namespace zan::gui {


class CSpeedDlg : public QDialog {
    Q_OBJECT
public:
    CSpeedDlg(Station& station, QWidget* parent);

    // Brings the dialog up on the level in force, or back to the front (as
    // the student left it) when it is up already.
    void Present();

private:
    QWidget* CreateSlider();
    QWidget* CreateMachineChoice();
    void OnOk();

    Station& station_;
    QSlider* slider_ = nullptr;
    QLabel* description_ = nullptr;
};

}  // namespace zan::gui
