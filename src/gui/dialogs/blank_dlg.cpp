#include "gui/dialogs/blank_dlg.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "gui/app/core_gate.h"
#include "core/station/station.h"

namespace zan::gui {

namespace {

constexpr int kSettleMs = 300;        // the new blank shows before the dialog goes
constexpr int kMaxTypedChars = 4;     // enough to tell a size that is too large

QLineEdit* DigitsEdit(QWidget* parent, const char* name)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
    edit->setMaxLength(kMaxTypedChars);
    edit->setFixedWidth(70);
    return edit;
}

}  // namespace

CBlankDlg::CBlankDlg(Station& station, CoreGate& gate, QWidget* parent)
    : QDialog(parent), station_(station), gate_(gate)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("毛坯参数设置"));
    diameter_ = DigitsEdit(this, "diameter");
    length_ = DigitsEdit(this, "length");
    // The blank in use; its length counts from the chuck face.
    const LatheState& s = station.lathe.state;
    diameter_->setText(QString::number(s.blankDiameter));
    length_->setText(QString::number(s.blankEnd - s.layout.chuckFace()));

    auto* fields = new QGridLayout;
    fields->addWidget(new QLabel(QStringLiteral(" 毛坯直径："), this), 0, 0);
    fields->addWidget(diameter_, 0, 1);
    fields->addWidget(new QLabel(QStringLiteral("(<200)"), this), 0, 2);
    fields->addWidget(new QLabel(QStringLiteral(" 毛坯长度："), this), 1, 0);
    fields->addWidget(length_, 1, 1);
    fields->addWidget(new QLabel(QStringLiteral("(<800)"), this), 1, 2);
    fields->addWidget(new QLabel(QStringLiteral("单位：   mm"), this), 2, 0, 1, 3);

    auto* ok = new QPushButton(QStringLiteral("确定"), this);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("取消"), this);
    cancel->setObjectName(QStringLiteral("cancel"));
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addStretch();

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(fields);
    layout->addSpacing(12);
    layout->addLayout(buttons);
    setFixedSize(sizeHint());

    connect(ok, &QPushButton::clicked, this, &CBlankDlg::OnOk);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

// The fields are read now; the machine takes them as soon as it is free.
void CBlankDlg::OnOk()
{
    const QByteArray diameterText = diameter_->text().toLatin1();
    const QByteArray lengthText = length_->text().toLatin1();
    QPointer<CBlankDlg> self(this);
    Station& station = station_;
    gate_.Run([self, &station, diameterText, lengthText] {
        // A refused size leaves the dialog open for a correction.
        if (!station.SetBlank(diameterText.toStdString(), lengthText.toStdString())) return;
        station.lathe.ports.clock.Wait(kSettleMs);
        if (self) self->accept();
    });
}

}  // namespace zan::gui
