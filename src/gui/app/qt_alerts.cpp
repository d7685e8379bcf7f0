#include "app/qt_alerts.h"

#include <QMessageBox>

namespace zan::gui {

namespace {
QString FromUtf8(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }
}  // namespace

void QtAlerts::Message(std::string_view text)
{
    QMessageBox::information(parent_, QString::fromUtf8(kMessageCaption), FromUtf8(text));
}

bool QtAlerts::Question(std::string_view text)
{
    return QMessageBox::question(parent_, QString::fromUtf8(kMessageCaption), FromUtf8(text),
                                 QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
}

}  // namespace zan::gui
