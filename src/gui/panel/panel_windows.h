#pragma once
// The operator panel's windows as the core sees them (the PanelWindow port):
// the panel window at the screen's top left, its inside 290 x 350 when it
// first opens and never larger than 633 x 370, and the second key pad, its
// inside 290 x 370 (less where the screen ends, its keys whole), below the
// panel's frame (at (0, 350) without a window manager). Both are made with their owner and appear on the first request;
// later requests show them again. The fields over the LCD are the
// PanelFields port. What the student does in the windows goes to the
// PanelInput attached.

#include <QObject>
#include <QRect>
#include <QTimer>
#include <functional>
#include <memory>

#include "core/panel/panel_ports.h"
#include "gui/panel/panel_input.h"

class QWidget;

namespace zan::gui {

class CFirstPanelDlg;
class CSecondPanelDlg;
class PanelFieldWidgets;

class PanelWindows : public QObject, public PanelWindow {
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

    // Window pixels a panel pixel for both windows (1, 1.5, 2 or 3).
    void SetZoom(qreal zoom);

    // The screen area the two windows take, frames included, the panel at
    // its largest size; empty while neither is shown.
    QRect Extent() const;
    // Called when a window moves, changes size or gets its frame.
    void OnPlacesChanged(std::function<void()> changed) { placesChanged_ = std::move(changed); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPoint PadPlace() const;
    QSize Zoomed(QSize size) const;
    void Arrange(bool panelChanged);
    void FitPadToScreen();

    static constexpr int kPadKeysHeight = 162;  // pixels of the pad its keys take, a margin below them
    void WatchFrames();

    static constexpr int kFrameWatchMs = 100;
    static constexpr int kFrameWatches = 30;  // 3 s after a window opens
    void connectPanel();
    void connectPad();

    NoPanelInput nowhere_;
    PanelInput* input_ = &nowhere_;
    std::unique_ptr<CFirstPanelDlg> panel_;
    std::unique_ptr<CSecondPanelDlg> pad_;
    bool panelOpened_ = false;
    bool padOpened_ = false;
    bool padFramed_ = false;  // the desktop's frame came round the pad
    QTimer frameWatch_;
    int framesWatched_ = 0;
    std::function<void()> placesChanged_;
};

}  // namespace zan::gui
