#pragma once
// "速度性能控制": the run speed level 0 (slowest, every picture) to 4 (fastest,
// no pacing and no intermediate pictures). Modeless, created once and shown
// again on later requests with the slider where it was left.

#include <QDialog>

class QLabel;
class QSlider;

namespace zan {
class Lathe;
}

namespace zan::gui {

class CoreGate;

class CSpeedDlg : public QDialog {
    Q_OBJECT
public:
    CSpeedDlg(Lathe& lathe, CoreGate& gate, QWidget* parent);

    // Brings the dialog up, or back to the front when it is up already.
    void Present();

private:
    QWidget* CreateSlider();
    QWidget* CreateMachineChoice();
    void OnOk();

    Lathe& lathe_;
    CoreGate& gate_;
    QSlider* slider_ = nullptr;
    QLabel* description_ = nullptr;
};

}  // namespace zan::gui
