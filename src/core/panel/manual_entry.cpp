// The commands typed in Manual: INPUT sets the work coordinates (or the
// program reference point), I and K measure tool offsets, Z, X, U and W
// prepare a move that cycle start carries out, T changes the tool and its
// offset, M switches the spindle, coolant and chuck.

#include <string>
#include <string_view>

#include "core/panel/field_places.h"
#include "core/panel/panel.h"
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

bool IsDigit(char ch) { return ch >= '0' && ch <= '9'; }

}  // namespace

bool Panel::StartManualCommand(char letter)
{
    for (const CommandLetter& command : kCommandLetters) {
        if (command.letter != letter) continue;
        fields_.io().SetText(FieldId::Prompt, command.prompt);
        fields_.Place(FieldId::Prompt, command.place);
        state_.entryState = command.state;
        // A new command starts from nothing: a value typed for the last one
        // is not carried over to this one.
        state_.entryText.clear();
        state_.moveArmed = false;
        state_.entryPending = true;
        fields_.io().SetText(FieldId::Entry, "");
        fields_.Place(FieldId::Entry, kCommandEntryPlace);
        fields_.io().Focus(FieldId::Entry);
        fields_.Place(FieldId::Editor, kHiddenField);
        return true;
    }
    return false;
}

bool Panel::AskReferencePoint(char ch)
{
    if (state_.entryState != EntryState::Coordinate || ch != '0') return false;
    if (!fields_.io().Text(FieldId::Editor).empty()) return false;
    fields_.Place(FieldId::Editor, kHiddenField);
    fields_.io().SetText(FieldId::Prompt, msg::kReferencePrompt);
    fields_.Place(FieldId::Prompt, kReferencePromptPlace);
    state_.entryState = EntryState::ReferencePoint;
    return true;
}

void Panel::ManualInput()
{
    lcd_.Erase(kManualInputLine);
    state_.entryPending = true;
    fields_.io().SetText(FieldId::Prompt, msg::kSetPrompt);
    fields_.Place(FieldId::Prompt, kSetPromptPlace);
    state_.entryState = EntryState::Coordinate;
    state_.moveArmed = false;
    // A command opened and not entered would otherwise stay over the box.
    fields_.Place(FieldId::Entry, kHiddenField);
    fields_.SetEditorText("");
    fields_.Place(FieldId::Editor, kCoordinateBoxPlace);
    fields_.io().Focus(FieldId::Editor);
}

void Panel::ManualEnter()
{
    switch (state_.entryState) {
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
bool Panel::TakeTypedValue()
{
    if (ReadTyped(fields_.io().Text(FieldId::Entry)).kind != Typed::Number) {
        fields_.io().SetText(FieldId::Entry, "");
        fields_.io().Focus(FieldId::Entry);
        return false;
    }
    TakeEntryText();
    return true;
}

void Panel::TakeEntryText()
{
    fields_.Place(FieldId::Entry, kHiddenField);
    const std::string text = fields_.io().Text(FieldId::Entry);
    state_.entryText = text.substr(0, ByteOffset(text, kEntryTextLimit));
}

// "X" or "Z" and a value: the work coordinates move so that the read-out
// shows that value where the tool stands (X as a diameter, mm). The
// read-out adds the display offset, so it is taken off here: the value
// shown is the value typed whatever offset is applied.
void Panel::SetWorkCoordinate()
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
    if (axis == 'X') m.originX = static_cast<float>(value * 0.5 - m.posX - state_.displayOffsetX);
    if (axis == 'Z') m.originZ = static_cast<float>(value - m.posZ - state_.displayOffsetZ);
    state_.entryState = EntryState::None;
    RefreshLcd(ScreenOf(state_.mode));
}

// The measured diameter (or length) is kept; the box then asks which tool
// was measured, offering the mounted one: "T1X", its digit selected so that
// a digit key replaces it.
void Panel::AskMeasuredTool(EntryState next)
{
    if (!TakeTypedValue()) return;
    lcd_.Erase(kMeasuredValueLine);
    fields_.Place(FieldId::Editor, kToolNumberBoxPlace);
    const char axis = next == EntryState::MeasureXTool ? 'X' : 'Z';
    fields_.SetEditorText("T" + std::to_string(lathe_.state.toolStation) + axis);
    fields_.io().SetSelection(FieldId::Editor, Selection{1, 2});
    fields_.io().Focus(FieldId::Editor);
    state_.entryState = next;
}

// The tool's offset is where its edge stands in work coordinates less the
// measured size: X as a radius, the measured diameter halved. A tool digit
// other than 1..9 names no tool: the measurement ends without storing. The
// offset file is written when the offset screen is next left.
void Panel::StoreMeasuredOffset()
{
    const std::string box = fields_.io().Text(FieldId::Editor);
    const char digit = box.size() > 1 ? box[1] : '\0';
    if (digit >= '1' && digit <= '9') {
        const int tool = digit - '0';
        const LatheState& m = lathe_.state;
        const double measured = ReadTyped(state_.entryText).value;
        if (state_.entryState == EntryState::MeasureXTool)
            state_.offsets[XOffsetIndex(tool)] = (2.0 * (m.originX + m.posX) - measured) * 0.5;
        else
            state_.offsets[ZOffsetIndex(tool)] = (m.originZ + m.posZ) - measured;
    }
    fields_.Place(FieldId::Prompt, kHiddenField);
    fields_.Place(FieldId::Editor, kHiddenField);
    state_.entryState = EntryState::None;
}

// The target waits in entryText; cycle start makes the move.
void Panel::ArmManualMove()
{
    if (!TakeTypedValue()) return;
    fields_.io().SetText(FieldId::Prompt, msg::kRunPrompt);
    fields_.Place(FieldId::Prompt, kRunPromptPlace);
    state_.moveArmed = true;
}

// "ab": the turret turns to station a (1..4) and tool offset b (0..9, 0 =
// none) replaces the applied one, as a program's T word would apply it.
void Panel::ToolCommand()
{
    TakeEntryText();
    CancelInput();  // the command is over whatever it asked: entry state 0
    const std::string& text = state_.entryText;
    if (text.size() < 2 || text[0] < '1' || text[0] > '4' || !IsDigit(text[1])) return;
    const int station = text[0] - '0';
    const int number = text[1] - '0';
    lathe_.SelectTool(station);
    // The machine refuses the turn while a program runs: nothing more then.
    if (lathe_.state.toolStation != station) return;
    lathe_.state.offsetNumber = number;
    state_.currentOffsetNumber = number;
    lathe_.ChangeOffset(number);
    bridge_.MachineCommand(MachineLetter::RepaintAll);
    RefreshLcd(ScreenOf(state_.mode));
}

// The tool's position becomes the reference point of the reference-return
// keys. The question stays: another ENTER sets it again.
void Panel::SetReferencePoint()
{
    fields_.SetEditorText("");
    fields_.Place(FieldId::Editor, kHiddenField);
    fields_.Place(FieldId::Prompt, kHiddenField);
    lathe_.state.refZ = lathe_.state.posZ;
    lathe_.state.refX = lathe_.state.posX;
}

// The M functions act as their keys and the chuck commands do; the command
// stays open, so another ENTER repeats it.
void Panel::MCommand()
{
    if (!TakeTypedValue()) return;
    switch (static_cast<MFunction>(SaturatedInt(ReadTyped(state_.entryText).value))) {
    case MFunction::SpindleForward: return SpindleKey(KeyId::SpindleForward, KeyPress::Up);
    case MFunction::SpindleReverse: return SpindleKey(KeyId::SpindleReverse, KeyPress::Up);
    case MFunction::SpindleStop: return SpindleKey(KeyId::SpindleStop, KeyPress::Up);
    case MFunction::CoolantOn:
        if (!state_.coolantOn) CoolantKey(KeyId::Coolant, KeyPress::Up);
        return;
    case MFunction::CoolantOff:
        if (state_.coolantOn) CoolantKey(KeyId::Coolant, KeyPress::Up);
        return;
    case MFunction::Clamp: return lathe_.Clamp();
    case MFunction::Release: return lathe_.Release();
    default: return;
    }
}

}  // namespace zan
