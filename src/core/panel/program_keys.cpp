// The program store's keys in Edit: choose a program number, open or create
// the program, copy, rename and delete programs, and save the open one.

#include <string>

#include "core/files/program_file.h"
#include "core/panel/field_places.h"
#include "core/panel/lcd_mode_screens.h"
#include "core/panel/program_editor.h"
#include "core/panel/panel_messages.h"
#include "core/panel/plain_fields.h"
#include "core/text/format_fixed.h"
#include "core/text/typed_value.h"

namespace zan {

namespace {

constexpr int kProgramNumberChars = 2;
constexpr int kOpenCaret = 6;           // ENTER puts the caret here, counting CR LF as two
constexpr int kFileExtraBytes = 3;      // the file's zero byte and CR LF
constexpr int kLengthX = 200, kLengthY = 45;  // the length read-out of the Edit screen
constexpr int kRefusedPromptX = 23, kRefusedPromptY = 170;
constexpr int kCopyingX = 150, kCopyingY = 150;
constexpr std::string_view kDeleteAllRequest = "-0";

// The first two characters of a typed number.
std::string NumberOf(std::string_view typed) { return std::string(typed.substr(0, ByteOffset(typed, kProgramNumberChars))); }

bool BothDigits(std::string_view number) { return number.size() == 2 && IsDigit(number[0]) && IsDigit(number[1]); }

// The caret position of the controller's field, which counts a line break
// as two characters, as a position in the editor's text.
int CaretAt(std::string_view text, int controllerIndex)
{
    int index = 0, characters = 0;
    for (std::size_t i = 0; i < text.size() && index < controllerIndex; ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) continue;
        index += text[i] == '\n' ? 2 : 1;
        ++characters;
    }
    return characters;
}

}  // namespace

// INPUT in Edit: the editor becomes the number box under its prompt. An
// open program is closed first, so that emptying the box saves nothing
// over it.
void ProgramEditor::AskProgramNumber()
{
    c_.panel.programOpen = false;
    c_.fields.SetEditorText({});
    c_.fields.Place(FieldId::Editor, kNumberBoxPlace);
    numberEntryPending_ = true;
    c_.fields.Place(FieldId::Prompt, kNumberPromptPlace);
    c_.fields.io().SetText(FieldId::Prompt, msg::kNumberPrompt);
    c_.fields.io().Focus(FieldId::Editor);
}

bool ProgramEditor::NumberBoxShown() const
{
    const Rect place = c_.fields.PlaceOf(FieldId::Editor);
    return place.bottom - place.top == kNumberBoxHeight;
}

// Two digits wait for ENTER; a third character, a letter in second place,
// a character before "0" in first place or an emptied box confirm at once.
void ProgramEditor::NumberBoxChanged()
{
    if (enterBusy_) return;
    const std::string text = c_.fields.io().Text(FieldId::Editor);
    if (!text.empty() && text[0] == '-') return;
    const bool confirms = CharCount(text) > kProgramNumberChars || text.empty() || text[0] < '0' ||
                          (text.size() > 1 && text[1] > '9');
    if (confirms) c_.host.Press(KeyId::Enter);
}

void ProgramEditor::OpenProgram()
{
    c_.fields.Place(FieldId::Editor, kEditorPlace);
    c_.fields.Place(FieldId::Prompt, kHiddenField);
    c_.panel.typedProgram = NumberOf(c_.fields.io().Text(FieldId::Editor));
    if (!c_.panel.painting) c_.fields.SetEditorText({});
    if (BothDigits(c_.panel.typedProgram))
        c_.panel.currentProgram = c_.panel.typedProgram;
    else
        c_.panel.typedProgram = c_.panel.currentProgram;
    if (!c_.panel.painting) LoadIntoEditor();
    const std::string text = c_.fields.io().Text(FieldId::Editor);
    // A program longer than the field holds (written elsewhere) opens whole;
    // the student is told that it can take no more.
    if (CharCount(text) > kEditorLimit) c_.alerts.Message(msg::kFieldFull);
    const int caret = CaretAt(text, kOpenCaret);
    c_.fields.io().SetSelection(FieldId::Editor, Selection{caret, caret});
    ShowProgramLength(StoredLength(text) + kFileExtraBytes);
    // The title names the program now open, with the length beside it.
    c_.lcd.Show(kTitleX, kTitleY, EditTitle(c_.panel));
    c_.panel.programOpen = true;
}

// The typed program's text, or a new program "N0000" when it has no file.
void ProgramEditor::LoadIntoEditor()
{
    const ProgramStore store = Store();
    if (const std::optional<std::string> text = store.Read(c_.panel.typedProgram)) {
        c_.fields.SetEditorText(*text);
        return;
    }
    if (!store.Exists(c_.panel.typedProgram) && store.CreateEmpty(c_.panel.typedProgram))
        c_.fields.SetEditorText("N0000");
    else
        c_.alerts.Message(msg::kCannotOpenOrCreate);
}

// INPUT with the number box shown: the current program is copied to the
// typed number and opened there. An existing program is never replaced.
void ProgramEditor::CopyProgram()
{
    const std::string target = NumberOf(c_.fields.io().Text(FieldId::Editor));
    c_.fields.Place(FieldId::Editor, kHiddenField);
    if (!BothDigits(target)) return;
    const ProgramStore store = Store();
    if (store.Exists(target)) return RefuseNumber(target);
    c_.lcd.Show(kCopyingX, kCopyingY, msg::kCopying);
    const PlaceResult copied = store.Copy(c_.panel.currentProgram, target);
    if (copied == PlaceResult::TargetExists) return RefuseNumber(target);
    if (copied == PlaceResult::Failed) return c_.alerts.Message(msg::kSaveError);
    c_.panel.currentProgram = target;
    c_.host.Press(KeyId::Enter);
}

// The number is taken: the prompt line shows it and the student is told.
void ProgramEditor::RefuseNumber(const std::string& number)
{
    c_.fields.Place(FieldId::Editor, kHiddenField);
    c_.lcd.Show(kRefusedPromptX, kRefusedPromptY, "  " + std::string(msg::kNumberPrompt) + number);
    c_.alerts.Message(msg::kNumberInUse);
    c_.fields.io().Focus(FieldId::Entry);
}

// REW without an open program: the current program takes the typed number,
// unless a program already has it.
void ProgramEditor::RenameProgram()
{
    const std::string target = NumberOf(c_.fields.io().Text(FieldId::Editor));
    c_.fields.Place(FieldId::Editor, kHiddenField);
    if (!BothDigits(target)) return;
    const PlaceResult renamed = Store().Rename(c_.panel.currentProgram, target);
    if (renamed == PlaceResult::TargetExists) return RefuseNumber(target);
    if (renamed == PlaceResult::Failed) return c_.alerts.Message(msg::kCannotRename);
    // The Edit screen takes the current program from the number last
    // confirmed: it follows the program to its new number, so that the
    // title names it and AUTO does not look for the old file.
    c_.panel.typedProgram = target;
    c_.panel.currentProgram = target;
    c_.host.CancelInput();
    c_.host.RefreshLcd(ScreenOf(c_.panel.mode));
}

// DLE without an open program: the typed program goes to the trash. "-0"
// asks for every program to go: the student does that in the file manager.
void ProgramEditor::DeleteProgram()
{
    const std::string number = NumberOf(c_.fields.io().Text(FieldId::Editor));
    if (number == kDeleteAllRequest) {
        c_.alerts.Message(msg::kDeleteAll);
        c_.window.ShowFolder(c_.programs.dir());
        return;
    }
    const bool named = BothDigits(number) || (number.size() == 2 && number[0] == '-');
    if (!named) return c_.fields.Place(FieldId::Editor, kHiddenField);
    const ProgramStore store = Store();
    if (store.Exists(number) && !store.Trash(number))
        c_.alerts.Message(std::string(msg::kTrashFailed) + ProgramFileName(number));
    // Nor does a deleted program stay the current one by way of that number.
    if (c_.panel.typedProgram == number) c_.panel.typedProgram.clear();
    c_.panel.currentProgram.clear();
    c_.host.RefreshLcd(ScreenOf(c_.panel.mode));
    c_.fields.Place(FieldId::Editor, kHiddenField);
    c_.host.CancelInput();
}

// The open program goes to the file of the number confirmed with ENTER.
void ProgramEditor::SaveProgram()
{
    const std::string text = c_.fields.io().Text(FieldId::Editor);
    const SaveOutcome outcome = Store().Save(c_.panel.typedProgram, text);
    c_.saves.Report(SaveTarget::Program, outcome);
    if (outcome == SaveOutcome::Saved) ShowProgramLength(StoredLength(text));
}

// Without an open program the Edit screen names the current program: the
// length beside it is that program's file's, not the last one opened.
void ProgramEditor::ShowCurrentProgramLength()
{
    c_.panel.programLength = Store().FileSize(c_.panel.currentProgram);
    c_.lcd.screen().Text(kLengthX, kLengthY, FormatFixed(c_.panel.programLength, 4, 0, false));
}

void ProgramEditor::ShowProgramLength(int length)
{
    c_.panel.programLength = length;
    c_.lcd.Show(kLengthX, kLengthY, FormatFixed(length, 4, 0, false));
}

// ENTER in Edit: the number box confirms its number and the program opens;
// in an open program a new block starts.
void ProgramEditor::Enter()
{
    c_.fields.Place(FieldId::Editor, kEditorPlace);
    c_.fields.Hide(FieldId::Prompt);
    numberEntryPending_ = false;
    if (!c_.panel.programOpen)
        OpenProgram();
    else if (!c_.panel.painting)
        StartNewBlock();
}

// INPUT in Edit: the number box, or with the box shown a copy of the
// current program to the typed number.
void ProgramEditor::Input()
{
    if (NumberBoxShown())
        CopyProgram();
    else
        AskProgramNumber();
}

}  // namespace zan
