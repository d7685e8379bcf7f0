// The commands typed in Manual: INPUT sets the work coordinates (or the
// program reference point), I and K measure tool offsets, Z, X, U and W
// prepare a move that cycle start carries out, T changes the tool and its
// offset, M switches the spindle, coolant and chuck.

#include <string>
#include <string_view>

#include "core/panel/field_places.h"
#include "core/panel/manual_entry.h"
#include "core/panel/panel_messages.h"
#include "core/panel/plain_fields.h"
#include "core/text/read_number.h"
#include "core/text/typed_value.h"

namespace zan {

namespace {

// The letters that open a command, with its prompt and where the prompt sits.
struct CommandLetter {
    char letter;
    std::string_view prompt;
    Rect place;
    EntryState state;
};
constexpr CommandLetter kCommandLetters[] = {
    {'I', "刀偏 X", kCommandPromptPlace, EntryState::MeasureX},
    {'K', "刀偏 Z", kCommandPromptPlace, EntryState::MeasureZ},
    {'Z', "移动 Z", kCommandPromptPlace, EntryState::MoveZ},
    {'X', "移动 X", kCommandPromptPlace, EntryState::MoveX},
    {'U', "移动 U", kCommandPromptPlace, EntryState::MoveU},
    {'W', "移动 W", kCommandPromptPlace, EntryState::MoveW},
    {'T', "T", kLetterPromptPlace, EntryState::Tool},
    {'M', "M", kLetterPromptPlace, EntryState::MFunction},
};

constexpr double kRadiusPerDiameter = 0.5;

// A command's value keeps at most this many characters.
constexpr int kEntryTextLimit = 8;

// The M functions of the M command.
enum class MFunction : int {
    SpindleForward = 3,
    SpindleReverse = 4,
    SpindleStop = 5,
    CoolantOn = 8,
    CoolantOff = 9,
    Clamp = 10,
    Release = 11,
};

// The tool offset table: tool n's Z offset, then its X offset (a radius).
std::size_t ZOffsetIndex(int tool) { return static_cast<std::size_t>(2 * (tool - 1)); }
std::size_t XOffsetIndex(int tool) { return ZOffsetIndex(tool) + 1; }


}  // namespace

bool ManualEntry::StartCommand(char letter)
{
    for (const CommandLetter& command : kCommandLetters) {
        if (command.letter != letter) continue;
        fields_.io().SetText(FieldId::Prompt, command.prompt);
        fields_.Place(FieldId::Prompt, command.place);
        command_.entryState = command.state;
        // A new command starts from nothing: a value typed for the last one
        // is not carried over to this one.
        command_.entryText.clear();
        command_.moveArmed = false;
        fields_.io().SetText(FieldId::Entry, "");
        fields_.Place(FieldId::Entry, kCommandEntryPlace);
        fields_.io().Focus(FieldId::Entry);
        fields_.Place(FieldId::Editor, kHiddenField);
        return true;
    }
    return false;
}

bool ManualEntry::AskReferencePoint(char ch)
{
    if (command_.entryState != EntryState::Coordinate || ch != '0') return false;
    if (!fields_.io().Text(FieldId::Editor).empty()) return false;
    fields_.Place(FieldId::Editor, kHiddenField);
    fields_.io().SetText(FieldId::Prompt, msg::kReferencePrompt);
    fields_.Place(FieldId::Prompt, kReferencePromptPlace);
    command_.entryState = EntryState::ReferencePoint;
    return true;
}

void ManualEntry::Input()
{
    lcd_.Erase(kManualInputLine);
    fields_.io().SetText(FieldId::Prompt, msg::kSetPrompt);
    fields_.Place(FieldId::Prompt, kSetPromptPlace);
    command_.entryState = EntryState::Coordinate;
    command_.moveArmed = false;
    // A command opened and not entered would otherwise stay over the box.
    fields_.Place(FieldId::Entry, kHiddenField);
    fields_.SetEditorText("");
    fields_.Place(FieldId::Editor, kCoordinateBoxPlace);
    fields_.io().Focus(FieldId::Editor);
}

void ManualEntry::Enter()
{
    switch (command_.entryState) {
    case EntryState::Coordinate: return SetWorkCoordinate();
    case EntryState::MeasureX: return AskMeasuredTool(EntryState::MeasureXTool);
    case EntryState::MeasureZ: return AskMeasuredTool(EntryState::MeasureZTool);
    case EntryState::MeasureXTool:
    case EntryState::MeasureZTool: return StoreMeasuredOffset();
    case EntryState::MoveZ:
    case EntryState::MoveX:
    case EntryState::MoveU:
    case EntryState::MoveW: return ArmManualMove();
    case EntryState::Tool: return ToolCommand();
    case EntryState::ReferencePoint: return SetReferencePoint();
    case EntryState::MFunction: return MCommand();
    default: return;
    }
}

// A value that is not one number (a letter O for a zero, nothing at all)
// is refused: the box is emptied and stays open for the value, as the
// parameter screen's box does, and nothing moves or changes.
bool ManualEntry::TakeTypedValue()
{
    if (ReadTyped(fields_.io().Text(FieldId::Entry)).kind != Typed::Number) {
        fields_.io().SetText(FieldId::Entry, "");
        fields_.io().Focus(FieldId::Entry);
        return false;
    }
    TakeEntryText();
    return true;
}

void ManualEntry::TakeEntryText()
{
    fields_.Place(FieldId::Entry, kHiddenField);
    const std::string text = fields_.io().Text(FieldId::Entry);
    command_.entryText = text.substr(0, ByteOffset(text, kEntryTextLimit));
}

// "X" or "Z" and a value: the work coordinates move so that the read-out
// shows that value where the tool stands (X as a diameter, mm). The
// read-out adds the display offset, so it is taken off here: the value
// shown is the value typed whatever offset is applied.
void ManualEntry::SetWorkCoordinate()
{
    const std::string text = fields_.io().Text(FieldId::Editor);
    const char axis = text.empty() ? '\0' : text[0];
    const TypedValue typed = ReadTyped(std::string_view(text).substr(text.empty() ? 0 : 1));
    if ((axis == 'X' || axis == 'Z') && typed.kind != Typed::Number) {
        // "X5O" sets nothing: the box is emptied for the value again.
        fields_.SetEditorText("");
        fields_.io().Focus(FieldId::Editor);
        return;
    }
    fields_.Place(FieldId::Editor, kHiddenField);
    fields_.Place(FieldId::Prompt, kHiddenField);
    LatheState& m = lathe_.state;
    const double value = typed.value;
    if (axis == 'X') m.originX = static_cast<float>(value * 0.5 - m.posX - panel_.displayOffsetX);
    if (axis == 'Z') m.originZ = static_cast<float>(value - m.posZ - panel_.displayOffsetZ);
    command_.entryState = EntryState::None;
    host_.RefreshLcd(ScreenOf(panel_.mode));
}

// The measured diameter (or length) is kept; the box then asks which tool
// was measured, offering the mounted one: "T1X", its digit selected so that
// a digit key replaces it.
void ManualEntry::AskMeasuredTool(EntryState next)
{
    if (!TakeTypedValue()) return;
    lcd_.Erase(kMeasuredValueLine);
    fields_.Place(FieldId::Editor, kToolNumberBoxPlace);
    const char axis = next == EntryState::MeasureXTool ? 'X' : 'Z';
    fields_.SetEditorText("T" + std::to_string(lathe_.state.toolStation) + axis);
    fields_.io().SetSelection(FieldId::Editor, Selection{1, 2});
    fields_.io().Focus(FieldId::Editor);
    command_.entryState = next;
}

// The tool's offset is where its edge stands in work coordinates less the
// measured size: X as a radius, the measured diameter halved. A tool digit
// other than 1..9 names no tool: the measurement ends without storing. The
// offset file is written when the offset screen is next left.
void ManualEntry::StoreMeasuredOffset()
{
    const std::string box = fields_.io().Text(FieldId::Editor);
    const char digit = box.size() > 1 ? box[1] : '\0';
    if (digit >= '1' && digit <= '9') {
        const int tool = digit - '0';
        const LatheState& m = lathe_.state;
        const double measured = ReadTyped(command_.entryText).value;
        if (command_.entryState == EntryState::MeasureXTool)
            panel_.offsets[XOffsetIndex(tool)] = (2.0 * (m.originX + m.posX) - measured) * 0.5;
        else
            panel_.offsets[ZOffsetIndex(tool)] = (m.originZ + m.posZ) - measured;
    }
    fields_.Place(FieldId::Prompt, kHiddenField);
    fields_.Place(FieldId::Editor, kHiddenField);
    command_.entryState = EntryState::None;
}

// The target waits in entryText; cycle start makes the move.
void ManualEntry::ArmManualMove()
{
    if (!TakeTypedValue()) return;
    fields_.io().SetText(FieldId::Prompt, msg::kRunPrompt);
    fields_.Place(FieldId::Prompt, kRunPromptPlace);
    command_.moveArmed = true;
}

// "ab": the turret turns to station a (1..4) and tool offset b (0..9, 0 =
// none) replaces the applied one, as a program's T word would apply it.
void ManualEntry::ToolCommand()
{
    TakeEntryText();
    host_.CancelInput();  // the command is over whatever it asked: entry state 0
    const std::string& text = command_.entryText;
    if (text.size() < 2 || text[0] < '1' || text[0] > '4' || !IsDigit(text[1])) return;
    const int station = text[0] - '0';
    const int number = text[1] - '0';
    lathe_.SelectTool(station);
    // The machine refuses the turn while a program runs: nothing more then.
    if (lathe_.state.toolStation != station) return;
    lathe_.state.offsetNumber = number;
    command_.currentOffsetNumber = number;
    lathe_.ChangeOffset(number);
    bridge_.MachineCommand(MachineLetter::RepaintAll);
    host_.RefreshLcd(ScreenOf(panel_.mode));
}

// The tool's position becomes the reference point of the reference-return
// keys. The question stays: another ENTER sets it again.
void ManualEntry::SetReferencePoint()
{
    fields_.SetEditorText("");
    fields_.Place(FieldId::Editor, kHiddenField);
    fields_.Place(FieldId::Prompt, kHiddenField);
    lathe_.state.refZ = lathe_.state.posZ;
    lathe_.state.refX = lathe_.state.posX;
}

// The M functions act as their keys and the chuck commands do; the command
// stays open, so another ENTER repeats it.
void ManualEntry::MCommand()
{
    if (!TakeTypedValue()) return;
    switch (static_cast<MFunction>(SaturatedInt(ReadTyped(command_.entryText).value))) {
    case MFunction::SpindleForward: return host_.Press(KeyId::SpindleForward);
    case MFunction::SpindleReverse: return host_.Press(KeyId::SpindleReverse);
    case MFunction::SpindleStop: return host_.Press(KeyId::SpindleStop);
    case MFunction::CoolantOn:
        if (!panel_.coolantOn) host_.Press(KeyId::Coolant);
        return;
    case MFunction::CoolantOff:
        if (panel_.coolantOn) host_.Press(KeyId::Coolant);
        return;
    case MFunction::Clamp: return lathe_.Clamp();
    case MFunction::Release: return lathe_.Release();
    default: return;
    }
}

// ESC, a mode change or a typed move carried out: the command's fields go,
// its input line is cleared, and no move stays armed.
void ManualEntry::Cancel()
{
    fields_.Hide(kAllFields);
    lcd_.Erase(kManualInputLine);
    command_.entryState = EntryState::None;
    command_.moveArmed = false;
}

// The target is where the read-out (machine position + origin + display
// offset, X as a diameter) shows the typed value; U and W move by it. Only
// a move that ENTER armed, in the command on the screen, runs.
bool ManualEntry::RunTypedMove()
{
    const EntryState move = command_.entryState;
    const bool isMove = move == EntryState::MoveZ || move == EntryState::MoveX || move == EntryState::MoveU ||
                        move == EntryState::MoveW;
    if (!isMove || !command_.moveArmed) return false;
    const double v = ReadTyped(command_.entryText).value;
    command_.moveArmed = false;
    Cancel();
    const LatheState& m = lathe_.state;
    float z = m.posZ;
    float x = m.posX;
    switch (move) {
    case EntryState::MoveZ: z = static_cast<float>(v - m.originZ - panel_.displayOffsetZ); break;
    case EntryState::MoveX: x = static_cast<float>(v * kRadiusPerDiameter - m.originX - panel_.displayOffsetX); break;
    case EntryState::MoveU: x = static_cast<float>(v * kRadiusPerDiameter + m.posX); break;
    case EntryState::MoveW: z = static_cast<float>(v + m.posZ); break;
    default: break;
    }
    bridge_.RapidMoveDirect(z, x);
    command_.entryState = EntryState::None;
    host_.RefreshLcd(ScreenOf(panel_.mode));
    command_.entryText.clear();
    return true;
}

}  // namespace zan
