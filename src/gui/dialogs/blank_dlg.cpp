#include "gui/dialogs/blank_dlg.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "gui/lathe/orbel_view.h"
#include "core/station/station.h"

namespace zan::gui {

namespace {

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

CBlankDlg::CBlankDlg(Station& station, COrbelView& view, QWidget* parent)
    : QDialog(parent), station_(station), view_(view)
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

// A refused size leaves the dialog open for a correction; a size taken is
// drawn on the view at once, and the dialog goes over the new blank.
void CBlankDlg::OnOk()
{
    const std::string diameterText = diameter_->text().toLatin1().toStdString();
    const std::string lengthText = length_->text().toLatin1().toStdString();
    if (!station_.SetBlank(diameterText, lengthText)) return;
    view_.repaint();
    accept();
}

}  // namespace zan::gui
