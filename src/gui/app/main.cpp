#include <QApplication>

#include "app/main_window.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ZAN 400LT"));
    zan::gui::MainWindow window;
    window.show();
    return QApplication::exec();
}
