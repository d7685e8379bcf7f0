#pragma once
// "版本说明": the program's icon, version and contact lines. It has no buttons;
// Esc closes it.

#include <QDialog>

namespace zan::gui {

class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent);
};

}  // namespace zan::gui
