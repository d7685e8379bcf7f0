// The keys that type: letters, digits, sign and point, and INPUT and ENTER.
// What each does depends on the mode: Edit types into the program editor,
// Manual opens and fills its commands, INPUT in Auto asks for the block a
// run starts from, the parameter and offset screens take values.

#include <string>

#include "core/panel/panel.h"
#include "core/panel/panel_messages.h"
#include "core/panel/plain_fields.h"
#include "core/text/typed_value.h"

namespace zan {

namespace {

// What each letter key types: a space, then its letter.
struct LetterText {
    KeyId key;
    std::string_view text;
};
constexpr LetterText kLetterTexts[] = {
    {KeyId::D, " D"}, {KeyId::R, " R"}, {KeyId::F, " F"}, {KeyId::I, " I"}, {KeyId::K, " K"},
    {KeyId::S, " S"}, {KeyId::T, " T"}, {KeyId::U, " U"}, {KeyId::W, " W"}, {KeyId::Z, " Z"},
    {KeyId::X, " X"}, {KeyId::M, " M"}, {KeyId::G, " G"},
};

struct DigitChar {
    KeyId key;
    char ch;
};
constexpr DigitChar kDigitChars[] = {
    {KeyId::Digit0, '0'}, {KeyId::Digit1, '1'}, {KeyId::Digit2, '2'}, {KeyId::Digit3, '3'},
    {KeyId::Digit4, '4'}, {KeyId::Digit5, '5'}, {KeyId::Digit6, '6'}, {KeyId::Digit7, '7'},
    {KeyId::Digit8, '8'}, {KeyId::Digit9, '9'}, {KeyId::Minus, '-'},  {KeyId::Point, '.'},
};

// The second legend of a letter, typed when the key is pressed again
// (every second press): D gives L, I P, K N, R a space, U "/" and W E.
struct SecondLegend {
    char letter;
    std::string_view text;
};
constexpr SecondLegend kSecondLegends[] = {
    {'D', " L"}, {'I', " P"}, {'K', "N"}, {'R', " "}, {'U', " /"}, {'W', " E"},
};

// The text insertion takes at most this many bytes of a letter key's text.
constexpr std::size_t kKeyTextLimit = 800;


}  // namespace

void Panel::LetterKey(KeyId key)
{
    // In coordinate entry (Manual, INPUT) X and Z are typed as the axis.
    const bool axis = key == KeyId::X || key == KeyId::Z;
    if (axis && state_.mode == PanelMode::Manual && manual_.command().entryState == EntryState::Coordinate)
        return InsertDigit(key == KeyId::X ? 'X' : 'Z');
    for (const LetterText& letter : kLetterTexts)
        if (letter.key == key) return InsertKeyText(letter.text);
}

void Panel::DigitKey(KeyId key)
{
    for (const DigitChar& digit : kDigitChars)
        if (digit.key == key) return InsertDigit(digit.ch);
}

void Panel::InsertKeyText(std::string_view text)
{
    text = text.substr(0, kKeyTextLimit);
    const char letter = text.size() > 1 ? text[1] : '\0';
    if (state_.mode == PanelMode::Manual && manual_.StartCommand(letter)) return;
    std::string typed(text);
    if (letter == lastLetter_) {
        ++letterRepeat_;
        for (const SecondLegend& second : kSecondLegends) {
            if (second.letter != letter || letterRepeat_ % 2 == 0) continue;
            // The two characters before the caret (the key's first legend,
            // whatever they now are) give way to the second legend.
            typed = second.text;
            const Selection s = fields_.io().GetSelection(FieldId::Editor);
            fields_.io().SetSelection(FieldId::Editor, Selection{std::max(0, s.start - 2), s.start});
        }
    } else {
        lastLetter_ = letter;
        letterRepeat_ = 0;
    }
    fields_.io().Focus(FieldId::Editor);
    InsertInto(FieldId::Editor, typed);
}

void Panel::InsertDigit(char ch)
{
    const PanelMode mode = state_.mode;
    if (mode == PanelMode::Manual && manual_.AskReferencePoint(ch)) return;
    if (mode == PanelMode::Edit || mode == PanelMode::Manual) fields_.io().Focus(FieldId::Editor);
    if (mode == PanelMode::Parameter && !values_.ParameterDigit(ch)) return;
    if (mode == PanelMode::Offset) {
        fields_.io().Focus(FieldId::Editor);
        if (!IsValueChar(ch)) return;
    }
    const std::string typed(1, ch);
    switch (mode) {
    case PanelMode::Edit:
    case PanelMode::Offset: InsertInto(FieldId::Editor, typed); break;
    case PanelMode::Manual:
        // Only one of the two is shown: the other takes the digit unseen.
        InsertInto(FieldId::Editor, typed);
        InsertInto(FieldId::Entry, typed);
        break;
    case PanelMode::Parameter: InsertInto(FieldId::Entry, typed); break;
    default: return;
    }
    // In the tool-offset measurement a digit replaces the tool digit of "T1X".
    const EntryState entry = manual_.command().entryState;
    if (entry == EntryState::MeasureX || entry == EntryState::MeasureXTool)
        fields_.io().SetSelection(FieldId::Editor, Selection{1, 2});
}

void Panel::EnterKey()
{
    editor_.SetEnterBusy(true);
    switch (state_.mode) {
    case PanelMode::Edit: return editor_.Enter();
    case PanelMode::Manual: return manual_.Enter();
    case PanelMode::Parameter: return values_.ParameterEnter();
    case PanelMode::Offset: return values_.OffsetEnter();
    default: return;
    }
}

void Panel::InputKey()
{
    editor_.SetEnterBusy(false);
    switch (state_.mode) {
    case PanelMode::Edit: return editor_.Input();
    case PanelMode::Manual: return manual_.Input();
    case PanelMode::Auto: return auto_.AskStartBlock();
    case PanelMode::Parameter: return values_.ParameterInput();
    case PanelMode::Offset: return values_.OffsetInput();
    default: return;
    }
}

// Typing goes straight into the field: the student's clipboard is left
// alone. The field itself does not announce the change, so the panel acts
// on it here as it does on a student's own typing.
void Panel::InsertInto(FieldId id, std::string_view text)
{
    // The editor holds line breaks without their carriage returns.
    std::string typed(text);
    if (id == FieldId::Editor) std::erase(typed, '\r');
    fields_.io().ReplaceSelection(id, typed);
    if (id == FieldId::Editor) FieldChanged(id);
}

}  // namespace zan
