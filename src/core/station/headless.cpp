#include "core/station/headless.h"

namespace zan {

HeadlessMachine::HeadlessMachine(HeadlessSetup setup) : setup_(std::move(setup))
{
    if (setup_.drawView) view_ = std::make_unique<LatheView>(false);
    station_ = std::make_unique<Station>(Ports{*this, clock_, *this, *this}, StationOptions{false, setup_.folder, {}});
    station_->lathe.moveObserver = this;
    station_->lathe.alarmObserver = this;
    ApplySetup();
    if (view_) view_->Attach(station_->lathe);
}

HeadlessMachine::~HeadlessMachine() = default;

void HeadlessMachine::Reset()
{
    station_->lathe.state.Reset();
    station_->motion.Reset();
    station_->interpreter.nc = NcState{};
    station_->interpreter.ResetTurn();
    // A turret left turning by the last program ends its turn first.
    SettleAtOnce(station_->lathe, clock_);
    finished_ = alarm_ = false;
    alarmText_.clear();
    alarmLine_ = blockLine_ = -1;
    turns_ = blocks_ = moves_ = 0;
    ApplySetup();
    if (view_) view_->Repaint(view_->frame().bounds(), false);
}

void HeadlessMachine::ApplySetup()
{
    station_->SetSpeedLevel(setup_.speedLevel);
    station_->PanelEvent(PanelEventCode::Overrides);  // the panel's overrides become the machine's factors
    LatheState& s = lathe().state;
    if (setup_.blankDiameter) s.blankDiameter = *setup_.blankDiameter;
    if (setup_.blankLength) s.blankEnd = s.layout.chuckFace() + *setup_.blankLength;
}

void HeadlessMachine::LoadProgram(std::string_view text) { station_->LoadProgram(text); }

RunEnd HeadlessMachine::Run(const RunLimits& limits)
{
    LatheState& s = lathe().state;
    finished_ = alarm_ = false;
    alarmText_.clear();
    alarmLine_ = -1;
    for (turns_ = 0; turns_ < limits.turns; ++turns_) {
        if (finished_) return RunEnd::Finished;
        if (alarm_) return RunEnd::Alarm;
        if (work() > limits.work) return RunEnd::WorkLimit;
        station_->StartCycle();  // cycle start again at once after a stop (M00)
        // Between paths the next turn executes the block at the line index.
        if (!station_->interpreter.nc.motionLatch) blockLine_ = s.lineIndex;
        TurnAtOnce(*station_, clock_);
    }
    if (finished_) return RunEnd::Finished;
    return alarm_ ? RunEnd::Alarm : RunEnd::TurnLimit;
}

void HeadlessMachine::Message(std::string_view text)
{
    if (onMessage) onMessage(text);
}

void HeadlessMachine::OnAlarm(MachineAlarm alarm) { NoteAlarm(AlarmText(alarm)); }

void HeadlessMachine::NoteAlarm(std::string_view text)
{
    if (alarm_) return;  // the first alarm stopped the run; later ones follow from it
    alarm_ = true;
    alarmText_ = text;
    alarmLine_ = blockLine_;
}

bool HeadlessMachine::Question(std::string_view text)
{
    if (onMessage) onMessage(text);
    return true;
}

void HeadlessMachine::DrawErrorText(std::string_view text)
{
    NoteAlarm(text);
    if (onMessage) onMessage(text);
    if (view_) view_->DrawErrorText(text);
}

void HeadlessMachine::EraseTool(const ToolErase& erase)
{
    if (view_) view_->EraseTool(erase);
}

void HeadlessMachine::FillReflected(const Polygon& outline, const Rect* holder)
{
    if (view_) view_->FillReflected(outline, holder);
}

void HeadlessMachine::DrawTool(const ToolDrawing& tool)
{
    if (view_) view_->DrawTool(tool);
}

void HeadlessMachine::DrawTraceLine(Point from, Point to)
{
    if (view_) view_->DrawTraceLine(from, to);
}

void HeadlessMachine::RepaintUnderTool(const UnderTool& under)
{
    if (view_) view_->RepaintUnderTool(under);
}

void HeadlessMachine::Refresh(const Rect& rect)
{
    if (view_) view_->Refresh(rect);
}

void HeadlessMachine::ShowTurretFrame(const TurretFrame& frame)
{
    if (view_) view_->ShowTurretFrame(frame);
}

void HeadlessMachine::FillBlack(const Rect& rect)
{
    if (view_) view_->FillBlack(rect);
}

OffsetPair HeadlessMachine::ToolOffset(int pair)
{
    return pair >= 1 && pair <= 9 ? setup_.offsets[pair] : OffsetPair{};
}

void HeadlessMachine::OnMoveTool(float col, float row, MoveMode mode)
{
    if (mode == MoveMode::Redraw) return;
    ++moves_;
    if (onMove) onMove(col, row);
}

}  // namespace zan
