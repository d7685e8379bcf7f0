// The program editor of Edit: overwrite and delete, the caret and scroll
// keys, new numbered blocks, and saving on every change.

#include <algorithm>
#include <string>

#include "core/panel/program_editor.h"
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
// The line of the edit-mode prompt, cleared when its input is cancelled.
constexpr LcdLine kEditPromptLine{23, 170, 22};  // (23,170)-(150,182)

}  // namespace

// REW: the character after the caret is selected, so the next key replaces
// it; pressed again, the caret goes back before that character.
void ProgramEditor::ToggleOverwrite()
{
    const int caret = c_.fields.io().GetSelection(FieldId::Editor).end;
    if (!overwriteOn_)
        c_.fields.io().SetSelection(FieldId::Editor, Selection{caret, caret + 1});
    else
        c_.fields.io().SetSelection(FieldId::Editor, Selection{std::max(0, caret - 1), std::max(0, caret - 1)});
    overwriteOn_ = !overwriteOn_;
    c_.fields.io().Focus(FieldId::Editor);
}

// DLE: the character after the caret goes.
void ProgramEditor::DeleteCharacter()
{
    const int caret = c_.fields.io().GetSelection(FieldId::Editor).end;
    c_.fields.io().SetSelection(FieldId::Editor, Selection{caret, caret + 1});
    c_.host.InsertInto(FieldId::Editor, {});
    c_.fields.io().Focus(FieldId::Editor);
}

// The caret keys move the caret one character; in overwrite the selected
// character moves instead.
void ProgramEditor::MoveCaret(int step)
{
    const Selection s = c_.fields.io().GetSelection(FieldId::Editor);
    const int count = CharCount(c_.fields.io().Text(FieldId::Editor));
    if (overwriteOn_) {
        const int from = std::clamp(step < 0 ? s.start - 1 : s.end, 0, count);
        c_.fields.io().SetSelection(FieldId::Editor, Selection{from, std::min(from + 1, count)});
        return;
    }
    const int caret = std::clamp((step < 0 ? s.start : s.end) + step, 0, count);
    c_.fields.io().SetSelection(FieldId::Editor, Selection{caret, caret});
}

// The page and cursor keys scroll the text; the caret stays where it is.
void ProgramEditor::Scroll(int lines) { c_.fields.io().Scroll(FieldId::Editor, lines); }

// ENTER in an open program starts the next block: the number of the
// caret's line plus the block step (P23), or a quarter of it when the next
// line is numbered too, so that blocks fit between numbered lines. The
// number is its digits alone: "N0000M03", typed without a space, is block 0.
void ProgramEditor::StartNewBlock()
{
    PanelFields& fields = c_.fields.io();
    const int line = fields.CaretLine(FieldId::Editor);
    const std::string here = fields.Line(FieldId::Editor, line).substr(0, kLineLookAhead);
    const bool nextExists = line + 1 < fields.LineCount(FieldId::Editor);
    const std::string next = nextExists ? fields.Line(FieldId::Editor, line + 1).substr(0, kLineLookAhead) : "";
    const int number = ReadBlockNumber(here);
    int step = SaturatedInt(c_.panel.parameters[kBlockStepParameter]);
    if (!next.empty() && next[0] == 'N') step /= kBetweenBlocksDivisor;
    const std::string blockNumber = FormatFixed(static_cast<double>(number) + step, 4, 0, false);
    // The whole new block fits, or none of it is typed.
    if (CharCount(fields.Text(FieldId::Editor)) + kNewBlockChars + CharCount(blockNumber) > kEditorLimit)
        return c_.alerts.Message(msg::kFieldFull);
    c_.host.TypeKeyText("\r\n");
    c_.host.TypeDigit('N');
    c_.host.TypeKeyText(blockNumber);
}

// Every change of an open program is saved at once; before a program is
// open the editor is the number box, which may confirm itself.
void ProgramEditor::EditorChanged()
{
    if (c_.panel.programOpen)
        SaveProgram();
    else if (numberEntryPending_)
        NumberBoxChanged();
}

// REW and DLE edit an open program; in Edit without one they are the
// store's rename and delete, of the number the student sees in the box
// INPUT opened. The editor field keeps text while it is hidden (the last
// number, an offset typed on another screen): that is never taken for a
// program to rename or to delete.
void ProgramEditor::Rewrite()
{
    if (c_.panel.programOpen)
        ToggleOverwrite();
    else if (NumberBoxShown())
        RenameProgram();
}

void ProgramEditor::Delete()
{
    if (c_.panel.programOpen)
        DeleteCharacter();
    else if (NumberBoxShown())
        DeleteProgram();
}

// Closes an open program (the panel had the checker look it over): it is
// saved.
void ProgramEditor::Cancel()
{
    c_.fields.Hide(kAllFields);
    c_.lcd.Erase(kEditPromptLine);
    if (c_.panel.programOpen) SaveProgram();
    c_.panel.programOpen = false;
}

}  // namespace zan
