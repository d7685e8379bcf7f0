#include "gui/app/view_commands.h"

#include <utility>

#include "gui/app/command_ids.h"
#include "gui/app/workpiece_files.h"
#include "gui/dialogs/blank_dlg.h"
#include "gui/dialogs/speed_dlg.h"
#include "gui/dialogs/tool_shape_dlg.h"
#include "gui/lathe/orbel_view.h"

namespace zan::gui {

ViewCommands::ViewCommands(QWidget& frame, COrbelView& view, Station& station, CommandServices services)
    : frame_(frame), view_(view), station_(station), services_(std::move(services))
{
    RegisterMachineActions();
    RegisterDialogs();
}

ViewCommands::~ViewCommands() = default;

Lathe& ViewCommands::lathe() { return station_.lathe; }

void ViewCommands::Measure(MeasureMode mode) { view_.Measure(mode); }

CSpeedDlg* ViewCommands::speedDialog() const { return speed_.data(); }

void ViewCommands::On(int commandId, std::function<void()> handler) { handlers_[commandId] = std::move(handler); }

void ViewCommands::Issue(int commandId)
{
    const auto found = handlers_.find(commandId);
    if (found == handlers_.end()) return;
    found->second();
}

void ViewCommands::RegisterMachineActions()
{
    for (int id : {cmd::kInitialise, cmd::kInitialiseBlank}) On(id, [this] { lathe().Initialise(); });
    for (int id : {cmd::kClamp, cmd::kClampWorkpiece}) On(id, [this] { lathe().Clamp(); });
    for (int id : {cmd::kRelease, cmd::kReleaseWorkpiece}) On(id, [this] { lathe().Release(); });
    for (int id : {cmd::kTrace, cmd::kTraceButton}) On(id, [this] { lathe().ToggleTrace(); });
    On(cmd::kTailstock, [this] { lathe().ToggleTailstock(); });
    On(cmd::kTurnEndForEnd, [this] { lathe().TurnEndForEnd(); });
    On(cmd::kTool1, [this] { lathe().SelectTool(1); });
    On(cmd::kTool2, [this] { lathe().SelectTool(2); });
    On(cmd::kTool3, [this] { lathe().SelectTool(3); });
    On(cmd::kTool4, [this] { lathe().SelectTool(4); });
    // These go to the operator panel's own keys through the event bridge.
    On(cmd::kCycleStart, [this] { station_.PanelEvent(PanelEventCode::PressCycleStart); });
    On(cmd::kFeedHold, [this] { station_.PanelEvent(PanelEventCode::PressFeedHold); });
    On(cmd::kSpindle, [this] { station_.PanelEvent(PanelEventCode::PressSpindleToggle); });
    On(cmd::kRapidFeed, [this] { station_.PanelEvent(PanelEventCode::PressRapidFeed); });
    On(cmd::kSecondPanel, [this] {
        station_.PanelEvent(PanelEventCode::ShowPanel);
        station_.PanelEvent(PanelEventCode::SecondKeyPad);
    });
    On(cmd::kMeasureDiameter, [this] { Measure(MeasureMode::Diameter); });
    On(cmd::kMeasureLengthManual, [this] { Measure(MeasureMode::FirstPoint); });
    On(cmd::kMeasureLengthAuto, [this] { Measure(MeasureMode::AutoLength); });
}

void ViewCommands::RegisterDialogs()
{
    On(cmd::kBlankParameters, [this] { OpenBlankDialog(); });
    On(cmd::kSpeed, [this] { OpenSpeedDialog(); });
    On(cmd::kCustomTool, [this] { EditCustomTool(); });
    On(cmd::kExit, [this] { Exit(); });
    On(cmd::kHelpText, [this] { OpenHelpText(lathe().folder, lathe().ports.alerts, services_.openDocument); });
    On(cmd::kOpenImage, [this] { OpenWorkpiece(lathe(), services_.chooseOpen, services_.recent); });
    On(cmd::kSaveImage, [this] { SaveWorkpiece(lathe(), services_.chooseSave, services_.recent); });
}

// A new dialog each time; it deletes itself when closed.
void ViewCommands::OpenBlankDialog()
{
    if (!lathe().MayEditBlank()) return;
    auto* dialog = new CBlankDlg(station_, view_, &frame_);
    dialog->show();
}

// One dialog for the whole run; it keeps its slider where it was left.
void ViewCommands::OpenSpeedDialog()
{
    if (!lathe().MaySetSpeed()) return;
    if (speed_.isNull()) speed_ = new CSpeedDlg(station_, &frame_);
    speed_->Present();
}

void ViewCommands::EditCustomTool()
{
    const int previous = lathe().SelectCustomTool();
    CToolShapeDlg dialog(lathe(), [this] { view_.RepaintAll(); }, &frame_);
    const bool saved = dialog.exec() == QDialog::Accepted;
    lathe().EndCustomTool(previous, saved || dialog.setAsCurrent());
    view_.RepaintAll();
}

void ViewCommands::Exit()
{
    if (lathe().ConfirmExit() && services_.endProgram) services_.endProgram();
}

}  // namespace zan::gui
