#include "core/station/station.h"

#include "core/lathe/blank_input.h"

namespace zan {

Station::Station(ControllerPorts ports, StationOptions options)
    : view_(ports.display != nullptr ? nullptr : std::make_unique<LatheView>(options.smallLayout)),
      panel_(std::make_unique<Panel>(PanelPorts{ports.alerts, ports.window, ports.fields}, lathe, *this,
                                     options.programs.value_or(options.folder), random_)),
      lathe(Ports{ports.alerts, ports.clock, ports.display != nullptr ? *ports.display : *view_, *panel_}, *this,
            LatheOptions{options.smallLayout, options.folder})
{
    if (view_) view_->Attach(lathe);
}

Station::Station(Ports ports, StationOptions options)
    : lathe(ports, *this, LatheOptions{options.smallLayout, std::move(options.folder)})
{
}

TurnResult Station::Turn()
{
    if (const auto due = lathe.Advance(lathe.ports.clock.NowMs())) return TurnResult::Wait(*due);
    return interpreter.Turn();
}

std::optional<std::int64_t> Station::Advance(int budgetMs)
{
    // The budget is read on the front end's own clock, so that a virtual
    // clock (tests) gives the same turns however busy the processor is; the
    // cap on turns keeps a clock that stands still from holding the caller.
    Clock& clock = lathe.ports.clock;
    const std::int64_t start = clock.NowMs();
    for (int turns = 1;; ++turns) {
        const TurnResult turn = Turn();
        if (turn.kind == TurnResult::Kind::Idle) return std::nullopt;
        const std::int64_t now = clock.NowMs();
        // A turn to be taken up again at once goes on within the budget.
        if (turn.kind == TurnResult::Kind::Waiting && turn.due > now) return turn.due;
        if (now - start >= budgetMs || turns >= kMostTurnsPerAdvance) return now;
    }
}

bool Station::SetBlank(std::string_view diameterText, std::string_view lengthText)
{
    const BlankInput input = ReadBlankInput(diameterText, lengthText);
    if (!input.refusal.empty()) {
        lathe.ports.alerts.Message(input.refusal);
        return false;
    }
    LatheState& s = lathe.state;
    if (input.diameter) s.blankDiameter = *input.diameter;
    if (input.length) s.blankEnd = *input.length + s.layout.chuckFace();
    MachineCommand(MachineLetter::RepaintAll);
    return true;
}

void Station::SetSpeedLevel(int level)
{
    if (level >= kSlowestSpeed && level <= kFastestSpeed) lathe.state.speedLevel = level;
}

void Station::BeginMeasurement(MeasureMode mode)
{
    // The diameter prompt comes before the mode changes, the others after.
    if (mode == MeasureMode::Diameter) lathe.ports.alerts.Message(MeasurePrompt(mode));
    lathe.state.measureMode = static_cast<int>(mode);
    if (mode != MeasureMode::Diameter) lathe.ports.alerts.Message(MeasurePrompt(mode));
}

std::string Station::MeasureClick(Point at)
{
    MeasureStep step = zan::MeasureClick(lathe.state, at, firstPoint_);
    if (!step.message.empty()) lathe.ports.alerts.Message(step.message);
    return std::move(step.result);
}

}  // namespace zan
