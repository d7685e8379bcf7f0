#pragma once
// The lathe view's commands, whatever issued them (menu, toolbar or
// accelerator): each calls the machine's action at once.

#include <QPointer>
#include <functional>
#include <unordered_map>

#include "gui/app/help_text.h"
#include "core/lathe/workpiece_image.h"
#include "core/station/station.h"

class QWidget;

namespace zan::gui {

class COrbelView;
class CSpeedDlg;
class RecentFiles;

// What the commands need from the desktop; tests put fakes in.
struct CommandServices {
    ChooseFile chooseOpen;            // workpiece image to open
    ChooseFile chooseSave;            // workpiece image to save to
    OpenDocument openDocument;        // shows the help text
    RecentFiles* recent = nullptr;    // may be null
    std::function<void()> endProgram; // the exit command was confirmed
};

class ViewCommands {
public:
    ViewCommands(QWidget& frame, COrbelView& view, Station& station, CommandServices services);
    ~ViewCommands();

    bool Handles(int commandId) const { return handlers_.count(commandId) != 0; }
    // Runs the command now or, while the machine is inside a call, right after it.
    void Issue(int commandId);

    CSpeedDlg* speedDialog() const;  // null until first opened

private:
    void RegisterMachineActions();
    void RegisterDialogs();
    void On(int commandId, std::function<void()> handler);
    Lathe& lathe();
    void Measure(MeasureMode mode);

    void OpenBlankDialog();
    void OpenSpeedDialog();
    void EditCustomTool();
    void Exit();

    QWidget& frame_;
    COrbelView& view_;
    Station& station_;
    CommandServices services_;
    QPointer<CSpeedDlg> speed_;
    std::unordered_map<int, std::function<void()>> handlers_;
};

}  // namespace zan::gui
