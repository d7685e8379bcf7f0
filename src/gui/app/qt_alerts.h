#pragma once
// Message boxes of the machine, captioned like every box of the program.

#include <QWidget>

#include "lathe/ports.h"

namespace zan::gui {

inline const char* const kMessageCaption = "Zandro    400LT";

class QtAlerts : public Alerts {
public:
    explicit QtAlerts(QWidget* parent) : parent_(parent) {}
    void Message(std::string_view text) override;
    bool Question(std::string_view text) override;

private:
    QWidget* parent_;
};

}  // namespace zan::gui
