#pragma once
// The operator panel's windows as the core sees them (the PanelWindow port):
// the panel window at the screen's top left, 290 x 350 when it first opens
// and never larger than 633 x 370, and the second key pad below it at
// (0, 350), 290 x 370. Both are made with their owner and appear on the
// first request; later requests show them again. The fields over the LCD
// are the PanelFields port. What the student does in the windows goes to
// the PanelInput attached.

#include <QRect>
#include <memory>

#include "core/panel/panel_ports.h"
#include "gui/panel/panel_input.h"

class QWidget;

namespace zan::gui {

class CFirstPanelDlg;
class CSecondPanelDlg;
class PanelFieldWidgets;

class PanelWindows : public PanelWindow {
public:
    static constexpr QRect kPanelPlace{0, 0, 290, 350};
    static constexpr QRect kPadPlace{0, 350, 290, 370};

    explicit PanelWindows(QWidget* owner);
    ~PanelWindows() override;

    // Where clicks and typing go; null: nowhere.
    void Attach(PanelInput* input);
    PanelFields& fields();
    PanelFieldWidgets& fieldWidgets();
    CFirstPanelDlg& panel() { return *panel_; }
    CSecondPanelDlg& pad() { return *pad_; }

    void OpenPanel() override;
    void OpenSecondPad() override;
    void ScreenChanged(const LcdScreen& screen, bool repaintArea) override;
    void LampChanged(KeyId key, bool on) override;
    void ShowFolder(const std::filesystem::path& folder) override;

private:
    void connectPanel();
    void connectPad();

    NoPanelInput nowhere_;
    PanelInput* input_ = &nowhere_;
    std::unique_ptr<CFirstPanelDlg> panel_;
    std::unique_ptr<CSecondPanelDlg> pad_;
    bool panelOpened_ = false;
    bool padOpened_ = false;
};

}  // namespace zan::gui
