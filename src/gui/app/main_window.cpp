#include "app/main_window.h"

#include "lathe/orbel_view.h"

namespace zan::gui {

MainWindow::MainWindow()
{
    setWindowTitle(QStringLiteral("ZAN 400LT"));
    view_ = new COrbelView(alerts_, clock_, panel_, this);
    setCentralWidget(view_);
}

}  // namespace zan::gui
