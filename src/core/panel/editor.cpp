// The program editor of Edit: overwrite and delete, the caret and scroll
// keys, new numbered blocks, and saving on every change.

#include <algorithm>
#include <string>

#include "core/panel/panel.h"
#include "core/panel/panel_messages.h"
#include "core/panel/plain_fields.h"
#include "core/text/format_fixed.h"
#include "core/text/read_number.h"
#include "core/text/typed_value.h"

namespace zan {

namespace {

constexpr int kBlockStepParameter = 22;  // P23: the step between block numbers
constexpr int kBetweenBlocksDivisor = 4; // a block between two numbered ones takes a quarter step
constexpr std::size_t kLineLookAhead = 6;  // characters of a line read for its block number
constexpr int kNewBlockChars = 2;          // a new block's line break and its "N"

}  // namespace

// REW: the character after the caret is selected, so the next key replaces
// it; pressed again, the caret goes back before that character.
void Panel::ToggleOverwrite()
{
    const int caret = fields_.io().GetSelection(FieldId::Editor).end;
    if (!state_.overwriteOn)
        fields_.io().SetSelection(FieldId::Editor, Selection{caret, caret + 1});
    else
        fields_.io().SetSelection(FieldId::Editor, Selection{std::max(0, caret - 1), std::max(0, caret - 1)});
    state_.overwriteOn = !state_.overwriteOn;
    fields_.io().Focus(FieldId::Editor);
}

// DLE: the character after the caret goes.
void Panel::DeleteCharacter()
{
    const int caret = fields_.io().GetSelection(FieldId::Editor).end;
    fields_.io().SetSelection(FieldId::Editor, Selection{caret, caret + 1});
    InsertInto(FieldId::Editor, {});
    fields_.io().Focus(FieldId::Editor);
}

// The caret keys move the caret one character; in overwrite the selected
// character moves instead.
void Panel::MoveCaret(int step)
{
    const Selection s = fields_.io().GetSelection(FieldId::Editor);
    const int count = CharCount(fields_.io().Text(FieldId::Editor));
    if (state_.overwriteOn) {
        const int from = std::clamp(step < 0 ? s.start - 1 : s.end, 0, count);
        fields_.io().SetSelection(FieldId::Editor, Selection{from, std::min(from + 1, count)});
        return;
    }
    const int caret = std::clamp((step < 0 ? s.start : s.end) + step, 0, count);
    fields_.io().SetSelection(FieldId::Editor, Selection{caret, caret});
}

// The page and cursor keys scroll the text; the caret stays where it is.
void Panel::ScrollEditor(int lines) { fields_.io().Scroll(FieldId::Editor, lines); }

// ENTER in an open program starts the next block: the number of the
// caret's line plus the block step (P23), or a quarter of it when the next
// line is numbered too, so that blocks fit between numbered lines. The
// number is its digits alone: "N0000M03", typed without a space, is block 0.
void Panel::StartNewBlock()
{
    PanelFields& fields = ports_.fields;
    const int line = fields.CaretLine(FieldId::Editor);
    const std::string here = fields.Line(FieldId::Editor, line).substr(0, kLineLookAhead);
    const bool nextExists = line + 1 < fields.LineCount(FieldId::Editor);
    const std::string next = nextExists ? fields.Line(FieldId::Editor, line + 1).substr(0, kLineLookAhead) : "";
    const int number = ReadBlockNumber(here);
    int step = SaturatedInt(state_.parameters[kBlockStepParameter]);
    if (!next.empty() && next[0] == 'N') step /= kBetweenBlocksDivisor;
    const std::string blockNumber = FormatFixed(static_cast<double>(number) + step, 4, 0, false);
    // The whole new block fits, or none of it is typed.
    if (CharCount(fields.Text(FieldId::Editor)) + kNewBlockChars + CharCount(blockNumber) > kEditorLimit)
        return ports_.alerts.Message(msg::kFieldFull);
    InsertKeyText("\r\n");
    InsertDigit('N');
    InsertKeyText(blockNumber);
}

// Every change of an open program is saved at once; before a program is
// open the editor is the number box, which may confirm itself.
void Panel::EditorChanged()
{
    if (state_.programOpen)
        SaveProgram();
    else if (state_.numberEntryPending)
        NumberBoxChanged();
}

}  // namespace zan
