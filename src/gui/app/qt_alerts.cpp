#include "gui/app/qt_alerts.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>

namespace zan::gui {

QString FromUtf8(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

namespace {

// Room in pixels a title bar takes beside its caption: the window's icon and
// its three buttons, with the margins between them.
constexpr int kTitleBarExtras = 160;

int Ask(QWidget* parent, QMessageBox::Icon icon, std::string_view text, QMessageBox::StandardButtons buttons)
{
    QMessageBox box(icon, QString::fromUtf8(kMessageCaption), FromUtf8(text), buttons, parent);
    if (QAbstractButton* ok = box.button(QMessageBox::Ok)) ok->setText(QStringLiteral("确定"));
    if (QAbstractButton* cancel = box.button(QMessageBox::Cancel)) cancel->setText(QStringLiteral("取消"));
    KeepCaptionWhole(box);
    return box.exec();
}

}  // namespace

// A box only as wide as its text leaves the desktop too little title bar for
// the caption, which it then cuts ("Za...T"); a row of the box's own layout
// as wide as the caption in a bold face keeps it whole.
void KeepCaptionWhole(QMessageBox& box)
{
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (grid == nullptr) return;
    QFont bold = QApplication::font();
    bold.setBold(true);
    const int width = QFontMetrics(bold).horizontalAdvance(box.windowTitle()) + kTitleBarExtras;
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed), grid->rowCount(), 0, 1,
                  grid->columnCount());
}

void QtAlerts::Message(std::string_view text) { Ask(parent_, QMessageBox::Warning, text, QMessageBox::Ok); }

bool QtAlerts::Question(std::string_view text)
{
    return Ask(parent_, QMessageBox::Question, text, QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
}

}  // namespace zan::gui
