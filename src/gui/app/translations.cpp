#include "gui/app/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace zan::gui {

QTranslator* InstallQtTranslations(QCoreApplication& app)
{
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    const QLocale chinese(QLocale::Chinese, QLocale::China);
    // qtbase holds the dialogs' and buttons' texts; "qt" is the catalogue that
    // pulls in all of Qt's modules.
    for (const char* catalogue : {"qtbase", "qt"}) {
        auto* translator = new QTranslator(&app);
        if (translator->load(chinese, QString::fromLatin1(catalogue), QStringLiteral("_"), folder)) {
            QCoreApplication::installTranslator(translator);
            return translator;
        }
        delete translator;
    }
    return nullptr;
}

}  // namespace zan::gui
