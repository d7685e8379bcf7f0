#include "core/station/scripted_controller.h"

#include "core/files/program_file.h"
#include "core/panel/key_table.h"

#include "core/station/move_trace.h"
#include "core/station/script_output.h"

namespace zan {

ScriptedController::ScriptedController(ScriptSetup setup, std::ostream& out)
    : setup_(std::move(setup)),
      out_(out),
      window_(setup_.drawLcd),
      station_(ControllerPorts{*this, clock_, window_, fields_, setup_.drawView ? nullptr : static_cast<LatheDisplay*>(this)}, StationOptions{false, setup_.folder, setup_.programs})
{
    SetUp();
}

// The machine and the panel get the set-up's values before anything is
// shown; then the start-up of the window: its first repaint raises the panel
// event that shows the panel, and the panel paints for the first time.
void ScriptedController::SetUp()
{
    LatheState& s = station_.lathe.state;
    station_.SetSpeedLevel(setup_.speedLevel);
    if (setup_.blankDiameter) s.blankDiameter = *setup_.blankDiameter;
    if (setup_.blankLength) s.blankEnd = s.layout.chuckFace() + *setup_.blankLength;
    if (setup_.parameters) panel().state().parameters = *setup_.parameters;
    if (setup_.offsets) panel().state().offsets = *setup_.offsets;
    if (setup_.trace) station_.lathe.moveObserver = this;

    station_.PanelEvent(PanelEventCode::ShowPanel);
    panel().Paint();
}

void ScriptedController::Type(std::string_view utf8)
{
    const int count = CharCount(utf8);
    for (int i = 0; i < count; ++i) {
        const std::size_t from = ByteOffset(utf8, i);
        std::string typed(utf8.substr(from, ByteOffset(utf8, i + 1) - from));
        // Each key goes where the focus is now: a change may have moved it.
        const FieldId field = fields_.focused();
        if (TypesCapitals(field))
            for (char& c : typed)
                if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        fields_.ReplaceSelection(field, typed);
        panel().FieldChanged(field);
    }
}

// Return in the editor field is the panel's Enter, which starts the next
// block itself; the single-line fields take no Return and ignore it.
void ScriptedController::Return()
{
    if (fields_.focused() == FieldId::Editor) station_.PanelEvent(PanelEventCode::PressEnter);
}

void ScriptedController::Idle(long turns)
{
    for (long turn = 0; turn < turns; ++turn) TurnAtOnce(station_, clock_);
}

bool ScriptedController::RunProgram()
{
    for (long turn = 0; turn < setup_.maxTurns && station_.running(); ++turn) TurnAtOnce(station_, clock_);
    return !station_.running();
}

void ScriptedController::WriteScreen() { zan::WriteScreen(out_, panel().screen(), fields_); }

void ScriptedController::WriteLamps()
{
    out_ << "lamps";
    for (const KeyInfo& key : PanelKeys())
        if (key.lamp && panel().LampOn(key.id)) out_ << ' ' << static_cast<int>(key.id);
    out_ << '\n';
}

void ScriptedController::WriteFile(std::string_view name)
{
    WriteFileBytes(out_, name, ReadFileBytes(panel().programs().File(name)));
}

void ScriptedController::WriteFileSize(std::string_view name)
{
    const std::optional<std::string> bytes = ReadFileBytes(panel().programs().File(name));
    out_ << "size " << Quoted(name) << ' ';
    if (bytes)
        out_ << bytes->size() << '\n';
    else
        out_ << "missing\n";
}

void ScriptedController::Message(std::string_view text) { WriteMessage(out_, text); }

bool ScriptedController::Question(std::string_view text)
{
    WriteQuestion(out_, text, answerOk_);
    return answerOk_;
}

void ScriptedController::OnMoveTool(float col, float row, MoveMode mode)
{
    // A redraw in place is no move.
    if (mode != MoveMode::Redraw) out_ << MoveTraceLine(station_.lathe.state, col, row) << '\n';
}

}  // namespace zan
