#pragma once
// Message boxes of the program: every one is captioned with the program's
// title, shown whole, and answered with "确定" (and "取消" for questions).

#include <QString>
#include <QWidget>

#include "core/lathe/ports.h"

class QMessageBox;

namespace zan::gui {

inline const char* const kMessageCaption = "Zandro    400LT";

QString FromUtf8(std::string_view text);

// Widens a box so that the desktop's title bar shows its caption whole.
void KeepCaptionWhole(QMessageBox& box);

class QtAlerts : public Alerts {
public:
    explicit QtAlerts(QWidget* parent) : parent_(parent) {}
    void Message(std::string_view text) override;
    bool Question(std::string_view text) override;

private:
    QWidget* parent_;
};

}  // namespace zan::gui
