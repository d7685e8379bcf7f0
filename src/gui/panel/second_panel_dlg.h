#pragma once
// The second key pad "第二控制面板": 34 keys of the operator panel on an
// orange ground, without an LCD. A click sends the key's panel key code on:
// the jog keys send theirs ("1".."4") as they go down and "l" as they come up.

#include <QWidget>
#include <vector>

#include "core/panel/panel_codes.h"

namespace zan::gui {

class CKeyButton;

class CSecondPanelDlg : public QWidget {
    Q_OBJECT
public:
    static constexpr QSize kOpenSize{290, 370};
    static constexpr char kJogRelease = 'l';  // the code of a released jog key

    explicit CSecondPanelDlg(QWidget* owner);

    CKeyButton* Key(KeyId id) const;
    // Window pixels a pad pixel: the window and its keys grow with it.
    void SetZoom(qreal zoom);

signals:
    void keyCode(char code);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void createKeys();

    std::vector<CKeyButton*> keys_;
    qreal zoom_ = 1;
};

}  // namespace zan::gui
