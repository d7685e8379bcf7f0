#include "gui/panel/panel_windows.h"

#include <QDesktopServices>
#include <QEvent>
#include <QScreen>
#include <QtMath>
#include <algorithm>
#include <QUrl>

#include "gui/panel/first_panel_dlg.h"
#include "gui/panel/panel_field_widgets.h"
#include "gui/panel/second_panel_dlg.h"

namespace zan::gui {

namespace {

// Shows a window: placed on the first request, only shown again on later ones.
// Sizes are the inside's; the desktop adds its title bar and borders round it.
void Open(QWidget& window, bool& opened, const QRect& place)
{
    if (!opened) {
        opened = true;
        window.move(place.topLeft());
        window.resize(place.size());
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
    panel_->installEventFilter(this);
    pad_->installEventFilter(this);
    frameWatch_.setInterval(kFrameWatchMs);
    QObject::connect(&frameWatch_, &QTimer::timeout, this, [this] {
        if (++framesWatched_ >= kFrameWatches) frameWatch_.stop();
        Arrange(true);
    });
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

void PanelWindows::OpenPanel()
{
    if (!panelOpened_) WatchFrames();
    Open(*panel_, panelOpened_, QRect(kPanelPlace.topLeft(), Zoomed(kPanelPlace.size())));
}

// Below the panel's frame.
void PanelWindows::OpenSecondPad()
{
    if (!padOpened_) WatchFrames();
    Open(*pad_, padOpened_, QRect(PadPlace(), Zoomed(kPadPlace.size())));
}

void PanelWindows::SetZoom(qreal zoom)
{
    panel_->SetZoom(zoom);
    pad_->SetZoom(zoom);
    Arrange(true);
}

// A size of the windows at zoom 1 as it is shown at the panel's zoom.
QSize PanelWindows::Zoomed(QSize size) const { return (QSizeF(size) * panel_->zoom()).toSize(); }

QPoint PanelWindows::PadPlace() const
{
    if (!panel_->isVisible()) return QPoint(kPadPlace.left(), Zoomed(kPanelPlace.size()).height());
    return QPoint(panel_->frameGeometry().left(), panel_->frameGeometry().bottom() + 1);
}

QRect PanelWindows::Extent() const
{
    QRect extent;
    if (panel_->isVisible()) {
        // The panel's largest size counts: enlarged, it must not cover what stands beside it.
        const QSize decoration = panel_->frameGeometry().size() - panel_->size();
        extent = QRect(panel_->frameGeometry().topLeft(), panel_->maximumSize() + decoration);
    }
    if (pad_->isVisible()) extent |= pad_->frameGeometry();
    return extent;
}

// The desktop's frame comes round a window some time after it is shown, and
// not always with an event that tells: for a while after opening, the
// windows are looked at every tenth of a second. The pad goes below the
// panel's frame then, and follows it when the panel moves or changes size.
// Whoever stands beside the two is told.
bool PanelWindows::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::Move || type == QEvent::Resize || type == QEvent::Show) Arrange(watched == panel_.get());
    return false;
}

void PanelWindows::Arrange(bool panelChanged)
{
    const bool padFramed = !padFramed_ && pad_->isVisible() && pad_->frameGeometry().size() != pad_->size();
    if (padFramed) padFramed_ = true;
    if (padOpened_ && (panelChanged || padFramed)) {
        if (pad_->pos() != PadPlace()) pad_->move(PadPlace());
        FitPadToScreen();
    }
    if (placesChanged_) placesChanged_();
}

// The pad's keys fill its top only: where the screen ends above its full
// height, the pad ends there too, its keys whole (a desktop keeps a window on
// the screen and would push it up over the panel).
void PanelWindows::FitPadToScreen()
{
    const QScreen* screen = pad_->screen();
    if (screen == nullptr) return;
    const qreal zoom = panel_->zoom();
    const int decoration = pad_->frameGeometry().height() - pad_->height();
    const int room = screen->availableGeometry().bottom() + 1 - PadPlace().y() - decoration;
    const int height = std::clamp(room, qCeil(kPadKeysHeight * zoom), qCeil(kPadPlace.height() * zoom));
    if (height != pad_->height()) pad_->resize(pad_->width(), height);
}

void PanelWindows::WatchFrames()
{
    framesWatched_ = 0;
    if (!frameWatch_.isActive()) frameWatch_.start();
}

void PanelWindows::ScreenChanged(const LcdScreen& screen, bool repaintArea) { panel_->ShowScreen(screen, repaintArea); }

void PanelWindows::LampChanged(KeyId key, bool on) { panel_->SetLamp(key, on); }

void PanelWindows::ShowFolder(const std::filesystem::path& folder)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(folder.string())));
}

}  // namespace zan::gui
