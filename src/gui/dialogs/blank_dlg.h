#pragma once
// "毛坯参数设置": the blank's diameter and length. Modeless and created anew
// each time the command opens it, showing the blank in use; it deletes
// itself when closed.

#include <QDialog>

class QLineEdit;

namespace zan {
class Station;
}

namespace zan::gui {

class COrbelView;

class CBlankDlg : public QDialog {
    Q_OBJECT
public:
    // `view` shows the new blank before the dialog goes.
    CBlankDlg(Station& station, COrbelView& view, QWidget* parent);

private:
    void OnOk();

    Station& station_;
    COrbelView& view_;
    QLineEdit* diameter_ = nullptr;
    QLineEdit* length_ = nullptr;
};

}  // namespace zan::gui
