// Qt's own buttons and dialogs speak Chinese like the rest of the program.

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTranslator>
#include <gtest/gtest.h>

#include "gui/app/translations.h"

namespace zan::test {
namespace {

TEST(QtTranslations, MessageBoxButtonsAreChinese)
{
    QTranslator* translator = gui::InstallQtTranslations(*QCoreApplication::instance());
    ASSERT_NE(translator, nullptr) << "Qt's zh_CN catalogue is not installed (qt6-translations-l10n)";
    {
        QMessageBox box;
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        EXPECT_EQ(box.button(QMessageBox::Cancel)->text(), QString::fromUtf8("取消"));
    }
    // The other tests see Qt's own texts.
    QCoreApplication::removeTranslator(translator);
    delete translator;
}

}  // namespace
}  // namespace zan::test
