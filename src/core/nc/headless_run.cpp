#include "core/nc/headless_run.h"

#include "core/lathe/messages.h"
#include "core/files/program_file.h"

namespace zan {

HeadlessMachine::HeadlessMachine(HeadlessSetup setup) : setup_(std::move(setup))
{
    lathe_ = std::make_unique<Lathe>(Ports{*this, *this, *this, *this}, LatheOptions{false, setup_.folder});
    lathe_->moveObserver = this;
    ApplySetup();
}

HeadlessMachine::~HeadlessMachine() = default;

void HeadlessMachine::Reset()
{
    lathe_->state.Reset();
    lathe_->motion.Reset();
    lathe_->interpreter.nc = NcState{};
    finished_ = alarm_ = false;
    turns_ = blocks_ = moves_ = 0;
    ApplySetup();
}

void HeadlessMachine::ApplySetup()
{
    lathe_->state.speedLevel = setup_.speedLevel;
    lathe_->PanelEvent(30);  // the panel's overrides become the machine's factors
}

void HeadlessMachine::LoadProgram(std::string_view text) { LoadIntoLineTable(text, lathe_->state.lineTable); }

RunEnd HeadlessMachine::Run(long maxTurns)
{
    LatheState& s = lathe_->state;
    finished_ = alarm_ = false;
    for (turns_ = 0; turns_ < maxTurns; ++turns_) {
        if (finished_) return RunEnd::Finished;
        if (alarm_) return RunEnd::Alarm;
        s.runFlag = true;  // cycle start again at once after a stop (M00)
        lathe_->interpreter.OnIdle(3);
    }
    if (finished_) return RunEnd::Finished;
    return alarm_ ? RunEnd::Alarm : RunEnd::TurnLimit;
}

void HeadlessMachine::Message(std::string_view text)
{
    if (text == msg::kProgramAlarm || text == msg::kBeyondTravel || text == msg::kCannotCut) alarm_ = true;
    if (onMessage) onMessage(text);
}

bool HeadlessMachine::Question(std::string_view text)
{
    if (onMessage) onMessage(text);
    return true;
}

void HeadlessMachine::DrawErrorText(std::string_view text)
{
    alarm_ = true;
    if (onMessage) onMessage(text);
}

OffsetPair HeadlessMachine::ToolOffset(int pair)
{
    return pair >= 1 && pair <= 9 ? setup_.offsets[pair] : OffsetPair{};
}

void HeadlessMachine::OnMoveTool(float col, float row, int mode)
{
    if (mode == kMoveRedraw) return;
    ++moves_;
    if (onMove) onMove(col, row);
}

}  // namespace zan
