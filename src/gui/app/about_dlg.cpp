#include "gui/app/about_dlg.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "gui/app/toolbar_icons.h"

namespace zan::gui {

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("版本说明"));
    auto* icon = new QLabel(this);
    icon->setPixmap(ProgramIcon().pixmap(32, 32));
    icon->setAlignment(Qt::AlignTop);

    auto* lines = new QVBoxLayout;
    lines->addWidget(new QLabel(QStringLiteral("ZAN 400LT 数控车床仿真教学系统  1.0 版"), this));
    lines->addWidget(new QLabel(QStringLiteral("模拟两轴数控车床及其操作面板，供编程与操作练习使用。"), this));
    lines->addWidget(new QLabel(QStringLiteral("使用中的问题请与任课教师或实验室管理员联系。"), this));
    lines->addSpacing(10);
    lines->addWidget(new QLabel(QStringLiteral("按ESC退出..."), this));

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(icon);
    layout->addSpacing(10);
    layout->addLayout(lines);
    setFixedSize(sizeHint());
}

}  // namespace zan::gui
