#include "gui/dialogs/speed_dlg.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QVBoxLayout>

#include "core/station/station.h"

namespace zan::gui {

namespace {

constexpr int kSlowest = kSlowestSpeed;
constexpr int kFastest = kFastestSpeed;

const QString kIntroText = QStringLiteral(
    "提高程序的运行速度会失去代码运行过程中的部分图形功能，如实时刷新功能，但不影响代码运行的最终结果。"
    "您可以根据计算机的配置或使用情况决定速度的级数。");
const QString kFastMachineText = QStringLiteral("您选择的配置将使程序中所有图形及速度调节功能生效。");
const QString kSlowMachineText = QStringLiteral(
    "您选择的配置将使程序以最快的速度和最大的CPU资源占用运行，并且运行的最终结果不受影响，"
    "但是将失去速度调节、图形刷新和屏幕刷新等功能。");

QPushButton* Button(QWidget* parent, const QString& text, const char* name)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    return button;
}

}  // namespace

CSpeedDlg::CSpeedDlg(Station& station, QWidget* parent)
    : QDialog(parent), station_(station)
{
    setWindowTitle(QStringLiteral("速度性能控制"));
    description_ = new QLabel(kIntroText, this);
    description_->setObjectName(QStringLiteral("description"));
    description_->setWordWrap(true);
    description_->setMinimumHeight(70);
    description_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto* ok = Button(this, QStringLiteral("确定"), "ok");
    ok->setDefault(true);
    auto* cancel = Button(this, QStringLiteral("取消"), "cancel");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(CreateSlider());
    layout->addWidget(CreateMachineChoice());
    layout->addWidget(description_);
    layout->addLayout(buttons);
    setFixedWidth(360);

    connect(ok, &QPushButton::clicked, this, &CSpeedDlg::OnOk);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

// The slider with "最慢" ... "最快" above it and the levels 0 ... 4 under its
// ticks: equal stretches between the labels space them as the ticks are.
QWidget* CSpeedDlg::CreateSlider()
{
    auto* box = new QWidget(this);
    slider_ = new QSlider(Qt::Horizontal, box);
    slider_->setObjectName(QStringLiteral("speed"));
    slider_->setRange(kSlowest, kFastest);
    slider_->setPageStep(1);
    slider_->setTickPosition(QSlider::TicksBelow);
    slider_->setTickInterval(1);
    slider_->setValue(kSlowest);

    auto* ends = new QHBoxLayout;
    ends->addWidget(new QLabel(QStringLiteral("最慢"), box));
    ends->addStretch();
    ends->addWidget(new QLabel(QStringLiteral("最快"), box));
    auto* levels = new QHBoxLayout;
    levels->setContentsMargins(3, 0, 3, 0);  // the handle's half width at either end
    for (int level = kSlowest; level <= kFastest; ++level) {
        if (level != kSlowest) levels->addStretch();
        levels->addWidget(new QLabel(QString::number(level), box));
    }
    auto* column = new QVBoxLayout(box);
    column->addLayout(ends);
    column->addWidget(slider_);
    column->addLayout(levels);
    return box;
}

// "您的计算机是：" a fast machine (full graphics) or a slow one (fastest level).
QWidget* CSpeedDlg::CreateMachineChoice()
{
    auto* box = new QGroupBox(QStringLiteral("您的计算机是："), this);
    auto* fast = new QRadioButton(QStringLiteral("高配置机"), box);
    fast->setObjectName(QStringLiteral("fast_machine"));
    auto* slow = new QRadioButton(QStringLiteral("低配置机"), box);
    slow->setObjectName(QStringLiteral("slow_machine"));
    auto* row = new QHBoxLayout(box);
    row->addWidget(fast);
    row->addWidget(slow);
    connect(fast, &QRadioButton::clicked, this, [this] {
        slider_->setValue(kSlowest);
        description_->setText(kFastMachineText);
    });
    connect(slow, &QRadioButton::clicked, this, [this] {
        slider_->setValue(kFastest);
        description_->setText(kSlowMachineText);
    });
    return box;
}

void CSpeedDlg::Present()
{
    // A choice that was cancelled is not shown again.
    if (!isVisible()) slider_->setValue(station_.speedLevel());
    show();
    raise();
    activateWindow();
}

void CSpeedDlg::OnOk()
{
    station_.SetSpeedLevel(slider_->value());
    accept();
}

}  // namespace zan::gui
