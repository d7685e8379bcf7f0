#include "gui/panel/panel_windows.h"

#include <QDesktopServices>
#include <QPointer>
#include <QUrl>
#include <QTimer>

#include "gui/panel/first_panel_dlg.h"
#include "gui/panel/panel_field_widgets.h"
#include "gui/panel/second_panel_dlg.h"

namespace zan::gui {

namespace {

// Places and sizes are the whole window's, title bar and borders included.
// Once the desktop has added them, the inside gives way for them; the
// largest size shrinks with it.
void FitToDecoration(QWidget& window, QSize outer, QSize largest)
{
    const QSize decoration = window.frameGeometry().size() - window.size();
    if (decoration == QSize(0, 0)) return;
    if (largest.isValid()) window.setMaximumSize(largest - decoration);
    window.resize(outer - decoration);
}

// Shows a window: placed on the first request, only shown again on later ones.
void Open(QWidget& window, bool& opened, const QRect& place, QSize largest = {})
{
    if (!opened) {
        opened = true;
        window.move(place.topLeft());
        window.resize(place.size());
        window.show();
        QPointer<QWidget> shown(&window);
        QTimer::singleShot(0, &window, [shown, outer = place.size(), largest] {
            if (shown) FitToDecoration(*shown, outer, largest);
        });
    }
    window.show();
    window.raise();
}

}  // namespace

PanelWindows::PanelWindows(QWidget* owner)
    : panel_(std::make_unique<CFirstPanelDlg>(owner)), pad_(std::make_unique<CSecondPanelDlg>(owner))
{
    connectPanel();
    connectPad();
}

PanelWindows::~PanelWindows() = default;

void PanelWindows::Attach(PanelInput* input) { input_ = input != nullptr ? input : &nowhere_; }

PanelFields& PanelWindows::fields() { return panel_->fields(); }

PanelFieldWidgets& PanelWindows::fieldWidgets() { return panel_->fields(); }

void PanelWindows::connectPanel()
{
    CFirstPanelDlg* panel = panel_.get();
    QObject::connect(panel, &CFirstPanelDlg::keyDown, panel, [this](KeyId key) { input_->KeyDown(key); });
    QObject::connect(panel, &CFirstPanelDlg::keyUp, panel, [this](KeyId key) { input_->KeyUp(key); });
    QObject::connect(panel, &CFirstPanelDlg::firstShown, panel, [this] { input_->FirstPaint(); });
    PanelFieldWidgets* fields = &panel->fields();
    QObject::connect(fields, &PanelFieldWidgets::changed, panel, [this](FieldId id) { input_->FieldChanged(id); });
    QObject::connect(fields, &PanelFieldWidgets::returnTyped, panel, [this] { input_->ReturnTyped(); });
}

void PanelWindows::connectPad()
{
    QObject::connect(pad_.get(), &CSecondPanelDlg::keyCode, pad_.get(), [this](char code) { input_->KeyCode(code); });
}

void PanelWindows::OpenPanel() { Open(*panel_, panelOpened_, kPanelPlace, CFirstPanelDlg::kLargest); }

void PanelWindows::OpenSecondPad() { Open(*pad_, padOpened_, kPadPlace); }

void PanelWindows::ScreenChanged(const LcdScreen& screen, bool repaintArea) { panel_->ShowScreen(screen, repaintArea); }

void PanelWindows::LampChanged(KeyId key, bool on) { panel_->SetLamp(key, on); }

void PanelWindows::ShowFolder(const std::filesystem::path& folder)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(folder.string())));
}

}  // namespace zan::gui
