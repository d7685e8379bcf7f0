#pragma once
// The main window around the lathe view.

#include <QMainWindow>

#include "app/blocking_clock.h"
#include "app/qt_alerts.h"
#include "panel/idle_panel.h"

namespace zan::gui {

class COrbelView;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow();

private:
    QtAlerts alerts_{this};
    BlockingClock clock_;
    IdlePanel panel_;
    COrbelView* view_ = nullptr;
};

}  // namespace zan::gui
