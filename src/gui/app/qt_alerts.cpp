#include "gui/app/qt_alerts.h"

#include <QAbstractButton>
#include <QMessageBox>

namespace zan::gui {

QString FromUtf8(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

namespace {

int Ask(QWidget* parent, QMessageBox::Icon icon, std::string_view text, QMessageBox::StandardButtons buttons)
{
    QMessageBox box(icon, QString::fromUtf8(kMessageCaption), FromUtf8(text), buttons, parent);
    if (QAbstractButton* ok = box.button(QMessageBox::Ok)) ok->setText(QStringLiteral("确定"));
    if (QAbstractButton* cancel = box.button(QMessageBox::Cancel)) cancel->setText(QStringLiteral("取消"));
    return box.exec();
}

}  // namespace

void QtAlerts::Message(std::string_view text) { Ask(parent_, QMessageBox::Warning, text, QMessageBox::Ok); }

bool QtAlerts::Question(std::string_view text)
{
    return Ask(parent_, QMessageBox::Question, text, QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
}

}  // namespace zan::gui
