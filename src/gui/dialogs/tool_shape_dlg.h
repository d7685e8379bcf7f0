#pragma once
// "自定义刀具": the editor of the custom tool's outline, run modally while the
// custom tool is mounted. "设置为当前刀" hands the drawn outline to the
// machine; "存盘" and "取消" only close the editor (取消 without it puts the
// tool mounted before back).

#include <QDialog>
#include <functional>

namespace zan {
class Lathe;
}

namespace zan::gui {

class ToolSketch;

class CToolShapeDlg : public QDialog {
    Q_OBJECT
public:
    // repaintView redraws the lathe with the new tool.
    CToolShapeDlg(Lathe& lathe, std::function<void()> repaintView, QWidget* parent);

    ToolSketch& sketch() { return *sketch_; }
    // "设置为当前刀" was pressed: the student chose the drawn tool.
    bool setAsCurrent() const { return setAsCurrent_; }

private:
    QWidget* CreateSidePanel();
    void SetAsCurrentTool();

    Lathe& lathe_;
    std::function<void()> repaintView_;
    ToolSketch* sketch_ = nullptr;
    bool setAsCurrent_ = false;
};

}  // namespace zan::gui
