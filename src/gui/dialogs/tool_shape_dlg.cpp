#include "gui/dialogs/tool_shape_dlg.h"

#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <utility>
#include <vector>

#include "gui/dialogs/tool_sketch.h"
#include "core/lathe/lathe.h"
#include "core/lathe/tool_shapes.h"

namespace zan::gui {

namespace {

constexpr int kSideLeft = 550;  // the side panel starts right of the drawing area
constexpr int kSideWidth = 200;

// The editor's size fields show the fixed sizes; they cannot be changed.
QSpinBox* SizeField(QWidget* parent, int value)
{
    auto* field = new QSpinBox(parent);
    field->setRange(0, 999);
    field->setValue(value);
    field->setEnabled(false);
    return field;
}

QPushButton* Button(QWidget* parent, const QString& text, const char* name)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    return button;
}

}  // namespace

CToolShapeDlg::CToolShapeDlg(Lathe& lathe, std::function<void()> repaintView, QWidget* parent)
    : QDialog(parent), lathe_(lathe), repaintView_(std::move(repaintView))
{
    setWindowTitle(QStringLiteral("自定义刀具"));
    // The drawing area sits at the editor's top-left corner: its pixels are the
    // editor's pixels, which the stored shape is measured in.
    sketch_ = new ToolSketch(lathe.ports.alerts, this);
    sketch_->move(0, 0);
    QWidget* side = CreateSidePanel();
    side->setGeometry(kSideLeft, 10, kSideWidth, sketch_->height() - 20);
    setFixedSize(kSideLeft + kSideWidth + 10, sketch_->height());
}

QWidget* CToolShapeDlg::CreateSidePanel()
{
    auto* side = new QWidget(this);
    auto* sizes = new QFormLayout;
    sizes->addRow(QStringLiteral("刀柄长度:(mm)"), SizeField(side, ToolSketch::kShankLength));
    sizes->addRow(QStringLiteral("刀具宽度:(mm)"), SizeField(side, ToolSketch::kToolWidth));
    sizes->addRow(QStringLiteral("线段长度(mm)"), SizeField(side, 0));
    sizes->addRow(QStringLiteral("线段倾角(角度)"), SizeField(side, 0));
    sizes->addRow(QStringLiteral("网格宽度(mm)"), SizeField(side, 10));

    auto* note = new QLabel(QStringLiteral("注：刀具形状的复杂程度将影响它及刀架的移动速度。"), side);
    note->setWordWrap(true);
    auto* save = Button(side, QStringLiteral("存盘"), "save");
    auto* cancel = Button(side, QStringLiteral("取消"), "cancel");
    auto* setCurrent = Button(side, QStringLiteral("设置为当前刀"), "set_current");

    auto* column = new QVBoxLayout(side);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(new QLabel(QStringLiteral("比例  3:1"), side));
    column->addLayout(sizes);
    column->addStretch();
    column->addWidget(note);
    column->addWidget(setCurrent);
    column->addWidget(save);
    column->addWidget(cancel);

    connect(save, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(setCurrent, &QPushButton::clicked, this, &CToolShapeDlg::SetAsCurrentTool);
    return side;
}

// The editor runs modally inside the custom tool command, so the machine is
// not inside any other call here and may be changed directly.
void CToolShapeDlg::SetAsCurrentTool()
{
    std::vector<Point> points;
    for (const QPoint& p : sketch_->points()) points.push_back(Point{p.x(), p.y()});
    StoreCustomShape(lathe_.state.custom, points.data(), static_cast<int>(points.size()), ToolSketch::kToolWidth,
                     ToolSketch::kShankLength);
    setAsCurrent_ = true;
    if (repaintView_) repaintView_();
}

}  // namespace zan::gui
