#pragma once
// The main window "ZAN 400LT": menu, toolbar, status bar and accelerators
// around the lathe view. It owns the controller (the core's Station), its
// outside world (message boxes, the clock, the operator panel's windows), the
// door every command goes through and the run loop that plays programs. The
// lathe view is one of the controller's ports, beside the panel's windows.

#include <QMainWindow>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>

#include "gui/app/qt_alerts.h"
#include "gui/app/recent_files.h"
#include "gui/app/window_clock.h"
#include "gui/app/view_commands.h"
#include "gui/panel/panel_windows.h"
#include "gui/panel/station_panel_input.h"
#include "core/station/station.h"

class QAction;
class QLabel;
class QMenu;
class QToolBar;

namespace zan::gui {

class COrbelView;
class RunLoop;
class ViewCommands;

// What the window uses of the desktop. Left empty, the real thing: message
// boxes, the window's clock, file dialogs, the program's help window. Tests
// put recording fakes in.
struct ShellSetup {
    Alerts* alerts = nullptr;
    Clock* clock = nullptr;  // the machine's time; the window's own unless given
    ChooseFile chooseOpen;
    ChooseFile chooseSave;
    OpenDocument openDocument;
    QSettings* settings = nullptr;  // the program's settings root unless given
    std::function<void()> quit;     // ends the program; the application's exit unless given
    bool startRunLoop = true;
    // The program store (part programs, Pset.dat, Dset.dat) when not the
    // program's own folder.
    std::optional<std::filesystem::path> programs;
    // The read-only data (turret frames, help text) when not the program's
    // own folder (an installed copy's share/zan400lt).
    std::optional<std::filesystem::path> data;
};

// The window's place and size, frame included: from `left` (right of the
// operator panel's windows) 734 x 768 on screens 1024 pixels wide or more,
// narrower where the screen ends; at 290 when that leaves less than 600
// pixels; at (290, 0) 510 x 600 on smaller screens.
QRect FrameGeometry(int screenWidth, int left = 290);

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    explicit CMainFrame(ShellSetup setup = {});
    ~CMainFrame() override;

    COrbelView& view() { return *view_; }
    Station& station() { return *station_; }
    Lathe& lathe() { return station_->lathe; }
    RunLoop& runLoop() { return *runLoop_; }
    PanelWindows& panelWindows() { return panelWindows_; }
    ViewCommands& commands() { return *commands_; }
    QToolBar* toolBar() const { return toolBar_; }
    // The menu or toolbar action of a command; null for an unknown command.
    QAction* action(int commandId) const;

    // Puts a part program (the one named on the command line) into the
    // machine's program lines once, where a cycle start finds it; false,
    // after a message, when it could not be read whole.
    bool LoadProgram(const std::filesystem::path& file);

protected:
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void createView();
    void createCommands(ShellSetup& setup);
    void createActions();
    void createToolBarActions();
    void createMenus();
    void createToolBar();
    void createStatusBar();
    void placeWindow();
    void fitFrame();
    void setZoom(qreal zoom);
    void applyZoom();
    void checkColourDepth();
    QAction* addCommand(int commandId, const QString& text, const QString& statusTip = {});
    void issue(int commandId);
    void about();
    QString startFolder();
    void endProgram();

    std::function<void()> quit_;
    ProgramFolder programs_;
    ProgramFolder data_;
    QSettings* settings_ = nullptr;
    qreal zoom_ = 1;  // window pixels a pixel of the panel and the view
    bool framed_ = false;  // the desktop's frame was seen and the window fitted into its place
    QtAlerts qtAlerts_{this};
    Alerts& alerts_;
    WindowClock windowClock_;
    Clock& clock_;
    PanelWindows panelWindows_{this};
    std::unique_ptr<Station> station_;  // after its ports, so it goes before them
    std::unique_ptr<StationPanelInput> panelInput_;
    std::unique_ptr<QSettings> ownSettings_;
    std::unique_ptr<RecentFiles> recent_;
    COrbelView* view_ = nullptr;
    RunLoop* runLoop_ = nullptr;
    std::unique_ptr<ViewCommands> commands_;
    std::map<int, QAction*> actions_;
    QToolBar* toolBar_ = nullptr;
    QLabel* idleText_ = nullptr;
};

}  // namespace zan::gui
