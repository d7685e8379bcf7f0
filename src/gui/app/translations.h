#pragma once
// Qt's own texts (the buttons of message boxes, the file dialogs) in Chinese,
// like the rest of the program, whatever the desktop's language.

class QCoreApplication;
class QTranslator;

namespace zan::gui {

// Loads Qt's zh_CN catalogue from Qt's translation folder (Debian's
// qt6-translations-l10n) and installs it; the translator belongs to `app`.
// Null when the catalogue is not installed: Qt then speaks English.
QTranslator* InstallQtTranslations(QCoreApplication& app);

}  // namespace zan::gui
