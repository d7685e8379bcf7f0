// The ZAN 400LT lathe trainer. "zan400lt PROGRAM" also puts a part program
// into the machine's program lines.

#include <QApplication>
#include <QFile>
#include <QStringList>

#include "gui/app/main_frame.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ZAN 400LT"));
    QApplication::setOrganizationName(QStringLiteral("ZAN 400LT Applications"));
    zan::gui::CMainFrame frame;
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() > 1) frame.LoadProgram(QFile::encodeName(arguments.at(1)).toStdString());
    frame.show();
    return QApplication::exec();
}
