// Values typed on the parameter and offset screens, the bits of P11 and
// P12, and saving Pset.dat and Dset.dat after each stored value.

#include <cmath>
#include <string>
#include <string_view>

#include "core/panel/field_places.h"
#include "core/panel/lcd_texts.h"
#include "core/panel/value_entry.h"
#include "core/text/typed_value.h"

namespace zan {

namespace {

constexpr int kFirstBitParameter = 11;  // P11; P12 follows it
constexpr int kLeftmostBit = 1;         // digit of weight 10^7
constexpr int kRightmostBit = 8;        // digit of weight 1
constexpr int kFirstRow = 1;
constexpr int kLastParameterRow = kParameterCount;  // P23
constexpr int kLastOffsetRow = kOffsetCount;        // tool 9, X
// Values of this size or more, either sign, are not taken on either screen.
constexpr double kValueLimit = 10000.0;
// 0 for P11, 1 for P12, -1 for every other parameter.
int BitParameterIndex(int parameter)
{
    const int index = parameter - kFirstBitParameter;
    return index == 0 || index == 1 ? index : -1;
}

bool MoveRow(int& row, int step, int last)
{
    const int moved = row + step;
    if (moved < kFirstRow || moved > last) return false;
    row = moved;
    return true;
}


// A value for the parameter and offset screens: a number below 10000 in
// size. A larger one is refused as too large: the box keeps it.
TypedValue ReadBoxValue(std::string_view text)
{
    const TypedValue typed = ReadTyped(text);
    if (typed.kind == Typed::Number && std::fabs(typed.value) >= kValueLimit) return {Typed::TooLarge};
    return typed;
}

// Digit n (1 = leftmost of eight) of a bit parameter has the weight 10^(8 - n).
double BitWeight(int cursor) { return std::pow(10.0, kBitCount - cursor); }

// The decimal digit of weight `weight`, as the LCD shows it.
double DigitOf(double value, double weight) { return std::fmod(std::floor(value / weight), 10.0); }

}  // namespace

// "0" and "1" on P11 or P12 set the selected digit at once, move the digit
// cursor on and are typed into the entry field as well. Any other key
// rewrites the parameter file and types into the entry field.
bool ValueEntry::ParameterDigit(char ch)
{
    const int bitIndex = BitParameterIndex(panel_.parameterRow);
    if (bitIndex < 0 || (ch != '0' && ch != '1')) {
        SaveParameters();
        fields_.io().Focus(FieldId::Entry);
        return IsValueChar(ch);
    }
    int& cursor = panel_.bitCursors[static_cast<std::size_t>(bitIndex)];
    if (cursor < 1 || cursor > kBitCount) {
        SaveParameters();  // no digit chosen: nothing to set
        return true;
    }
    double& value = panel_.parameters[static_cast<std::size_t>(panel_.parameterRow - 1)];
    const double weight = BitWeight(cursor);
    const double digit = DigitOf(value, weight);
    // A digit other than 0 or 1 (from a file) is left as it is.
    if (ch == '1' && digit == 0.0) value += weight;
    if (ch == '0' && digit == 1.0) value -= weight;
    cursor = cursor == kBitCount ? 1 : cursor + 1;
    host_.RefreshLcd(ScreenCode::ValueStored);
    SaveParameters();
    return true;
}

// ENTER stores the value of the open parameter box in the current parameter.
// The box must be open (INPUT): a hidden entry field may still hold what was
// typed for a manual command. P11 and P12 take their digits from the "0" and
// "1" keys alone, which have stored them already: the digits they typed into
// the box are not taken again as a whole value, which would undo them.
void ValueEntry::ParameterEnter()
{
    if (BitParameterIndex(panel_.parameterRow) >= 0) return fields_.io().SetText(FieldId::Entry, "");
    if (fields_.PlaceOf(FieldId::Entry) != kParameterEntryPlace) return;
    const TypedValue typed = ReadBoxValue(fields_.io().Text(FieldId::Entry));
    switch (typed.kind) {
    case Typed::Nothing:
    case Typed::TooLarge: return;  // the box keeps its text
    case Typed::NotANumber: return fields_.io().SetText(FieldId::Entry, "");
    case Typed::Number: break;
    }
    panel_.parameters[static_cast<std::size_t>(panel_.parameterRow - 1)] = typed.value;
    host_.RefreshLcd(ScreenCode::ValueStored);
    fields_.io().SetText(FieldId::Entry, "");
    SaveParameters();
}

// INPUT opens the entry box for the current parameter; the bit parameters
// have none.
void ValueEntry::ParameterInput()
{
    if (BitParameterIndex(panel_.parameterRow) >= 0) return;
    fields_.io().SetText(FieldId::Entry, "");
    fields_.Place(FieldId::Entry, kParameterEntryPlace);
    fields_.io().Focus(FieldId::Entry);
}

// ENTER stores the value of the open offset box in the current offset. X
// offsets (even rows) are typed as a diameter and kept as a radius. The box
// is the editor field, which holds the program text while it is hidden, so
// only an open box is read.
void ValueEntry::OffsetEnter()
{
    if (fields_.PlaceOf(FieldId::Editor) != kOffsetBoxPlace) return;
    const TypedValue typed = ReadBoxValue(fields_.io().Text(FieldId::Editor));
    switch (typed.kind) {
    case Typed::Nothing:
    case Typed::TooLarge: return;
    case Typed::NotANumber: return fields_.SetEditorText("");
    case Typed::Number: break;
    }
    const int row = panel_.offsetRow;
    panel_.offsets[static_cast<std::size_t>(row - 1)] = row % 2 == 0 ? typed.value * 0.5 : typed.value;
    host_.RefreshLcd(ScreenCode::ValueStored);
    fields_.SetEditorText("");
    SaveOffsets();
}

void ValueEntry::OffsetInput()
{
    fields_.SetEditorText("");
    fields_.Place(FieldId::Editor, kOffsetBoxPlace);
    fields_.io().Focus(FieldId::Editor);
}

// Both files are read from the program folder when the panel starts and
// written there, so the values typed here are the ones the next start reads.
void ValueEntry::SaveParameters()
{
    const bool saved = WriteParameterFile(programs_.dir(), panel_.parameters);
    saves_.Report(SaveTarget::Parameters, saved ? SaveOutcome::Saved : SaveOutcome::Failed);
}

void ValueEntry::SaveOffsets()
{
    const bool saved = WriteOffsetFile(programs_.dir(), panel_.offsets);
    saves_.Report(SaveTarget::Offsets, saved ? SaveOutcome::Saved : SaveOutcome::Failed);
}

// The cursor within 1..last; false when it was already at the end. At
// either end the list stays put: scrolling it would take the cursor off the
// row it names.
void ValueEntry::MoveListCursor(bool down)
{
    const PanelMode mode = panel_.mode;
    const int step = down ? 1 : -1;
    bool moved = false;
    if (mode == PanelMode::Parameter) {
        moved = MoveRow(panel_.parameterRow, step, kLastParameterRow);
        panel_.bitCursors = {};
    } else {
        moved = MoveRow(panel_.offsetRow, step, kLastOffsetRow);
    }
    if (!moved) return host_.RefreshLcd(ScreenOf(mode));
    host_.RefreshLcd(down ? ScreenCode::CursorDown : ScreenCode::CursorUp);
}

// Left and right choose the digit of P11 or P12 to set, wrapping round the
// eight digits.
void ValueEntry::MoveBitCursor(bool left)
{
    const int bitIndex = BitParameterIndex(panel_.parameterRow);
    if (bitIndex >= 0) {
        int& cursor = panel_.bitCursors[static_cast<std::size_t>(bitIndex)];
        if (left)
            cursor = cursor <= kLeftmostBit ? kRightmostBit : cursor - 1;
        else
            cursor = cursor >= kRightmostBit ? kLeftmostBit : cursor + 1;
    }
    host_.RefreshLcd(ScreenCode::Parameter);
}

}  // namespace zan
