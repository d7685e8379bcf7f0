#include "gui/app/help_window.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QFontDatabase>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace zan::gui {

namespace {
constexpr QSize kHelpSize{640, 560};  // pixels: some 70 columns of text, 30 lines
}  // namespace

HelpWindow::HelpWindow(QWidget* owner) : QDialog(owner), browser_(new QTextBrowser(this))
{
    setWindowTitle(QStringLiteral("程序说明"));
    setModal(false);
    browser_->setOpenLinks(false);
    browser_->setLineWrapMode(QTextEdit::WidgetWidth);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(QStringLiteral("关闭"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::hide);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(browser_);
    layout->addWidget(buttons);
    resize(kHelpSize);
}

bool HelpWindow::Show(const std::filesystem::path& file)
{
    QFile text(QFile::decodeName(file.string().c_str()));
    if (!text.open(QIODevice::ReadOnly)) return false;
    browser_->setPlainText(QString::fromUtf8(text.readAll()));
    show();
    raise();
    activateWindow();
    return true;
}

}  // namespace zan::gui
