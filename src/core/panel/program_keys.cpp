// The program store's keys in Edit: choose a program number, open or create
// the program, copy, rename and delete programs, and save the open one.

#include <string>

#include "core/files/program_file.h"
#include "core/panel/field_places.h"
#include "core/panel/lcd_mode_screens.h"
#include "core/panel/panel.h"
#include "core/panel/panel_messages.h"
#include "core/panel/plain_fields.h"
#include "core/text/format_fixed.h"

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

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
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

ProgramStore Panel::Store() const { return ProgramStore(programs_.dir()); }

// INPUT in Edit: the editor becomes the number box under its prompt. An
// open program is closed first, so that emptying the box saves nothing
// over it.
void Panel::AskProgramNumber()
{
    state_.programOpen = false;
    fields_.SetEditorText({});
    fields_.Place(FieldId::Editor, kNumberBoxPlace);
    state_.numberEntryPending = true;
    fields_.Place(FieldId::Prompt, kNumberPromptPlace);
    fields_.io().SetText(FieldId::Prompt, msg::kNumberPrompt);
    fields_.io().Focus(FieldId::Editor);
}

bool Panel::NumberBoxShown() const
{
    const Rect place = fields_.PlaceOf(FieldId::Editor);
    return place.bottom - place.top == kNumberBoxHeight;
}

// Two digits wait for ENTER; a third character, a letter in second place,
// a character before "0" in first place or an emptied box confirm at once.
void Panel::NumberBoxChanged()
{
    if (state_.enterBusy) return;
    const std::string text = fields_.io().Text(FieldId::Editor);
    if (!text.empty() && text[0] == '-') return;
    const bool confirms = CharCount(text) > kProgramNumberChars || text.empty() || text[0] < '0' ||
                          (text.size() > 1 && text[1] > '9');
    if (confirms) EnterKey();
}

void Panel::OpenProgram()
{
    fields_.Place(FieldId::Editor, kEditorPlace);
    fields_.Place(FieldId::Prompt, kHiddenField);
    state_.typedProgram = NumberOf(fields_.io().Text(FieldId::Editor));
    if (!state_.painting) fields_.SetEditorText({});
    if (BothDigits(state_.typedProgram))
        state_.currentProgram = state_.typedProgram;
    else
        state_.typedProgram = state_.currentProgram;
    if (!state_.painting) LoadIntoEditor();
    const std::string text = fields_.io().Text(FieldId::Editor);
    // A program longer than the field holds (written elsewhere) opens whole;
    // the student is told that it can take no more.
    if (CharCount(text) > kEditorLimit) ports_.alerts.Message(msg::kFieldFull);
    const int caret = CaretAt(text, kOpenCaret);
    fields_.io().SetSelection(FieldId::Editor, Selection{caret, caret});
    ShowProgramLength(StoredLength(text) + kFileExtraBytes);
    // The title names the program now open, with the length beside it.
    lcd_.Show(kTitleX, kTitleY, EditTitle(state_));
    state_.programOpen = true;
}

// The typed program's text, or a new program "N0000" when it has no file.
void Panel::LoadIntoEditor()
{
    const ProgramStore store = Store();
    if (const std::optional<std::string> text = store.Read(state_.typedProgram)) {
        fields_.SetEditorText(*text);
        return;
    }
    if (!store.Exists(state_.typedProgram) && store.CreateEmpty(state_.typedProgram))
        fields_.SetEditorText("N0000");
    else
        ports_.alerts.Message(msg::kCannotOpenOrCreate);
}

// INPUT with the number box shown: the current program is copied to the
// typed number and opened there. An existing program is never replaced.
void Panel::CopyProgram()
{
    const std::string target = NumberOf(fields_.io().Text(FieldId::Editor));
    fields_.Place(FieldId::Editor, kHiddenField);
    if (!BothDigits(target)) return;
    const ProgramStore store = Store();
    if (store.Exists(target)) return RefuseNumber(target);
    lcd_.Show(kCopyingX, kCopyingY, msg::kCopying);
    const PlaceResult copied = store.Copy(state_.currentProgram, target);
    if (copied == PlaceResult::TargetExists) return RefuseNumber(target);
    if (copied == PlaceResult::Failed) return ports_.alerts.Message(msg::kSaveError);
    state_.currentProgram = target;
    EnterKey();
}

// The number is taken: the prompt line shows it and the student is told.
void Panel::RefuseNumber(const std::string& number)
{
    fields_.Place(FieldId::Editor, kHiddenField);
    lcd_.Show(kRefusedPromptX, kRefusedPromptY, "  " + std::string(msg::kNumberPrompt) + number);
    ports_.alerts.Message(msg::kNumberInUse);
    fields_.io().Focus(FieldId::Entry);
}

// REW without an open program: the current program takes the typed number,
// unless a program already has it.
void Panel::RenameProgram()
{
    const std::string target = NumberOf(fields_.io().Text(FieldId::Editor));
    fields_.Place(FieldId::Editor, kHiddenField);
    if (!BothDigits(target)) return;
    const PlaceResult renamed = Store().Rename(state_.currentProgram, target);
    if (renamed == PlaceResult::TargetExists) return RefuseNumber(target);
    if (renamed == PlaceResult::Failed) return ports_.alerts.Message(msg::kCannotRename);
    // The Edit screen takes the current program from the number last
    // confirmed: it follows the program to its new number, so that the
    // title names it and AUTO does not look for the old file.
    state_.typedProgram = target;
    state_.currentProgram = target;
    CancelInput();
    RefreshLcd(ScreenOf(state_.mode));
}

// DLE without an open program: the typed program goes to the trash. "-0"
// asks for every program to go: the student does that in the file manager.
void Panel::DeleteProgram()
{
    const std::string number = NumberOf(fields_.io().Text(FieldId::Editor));
    if (number == kDeleteAllRequest) {
        ports_.alerts.Message(msg::kDeleteAll);
        ports_.window.ShowFolder(programs_.dir());
        return;
    }
    const bool named = BothDigits(number) || (number.size() == 2 && number[0] == '-');
    if (!named) return fields_.Place(FieldId::Editor, kHiddenField);
    const ProgramStore store = Store();
    if (store.Exists(number) && !store.Trash(number))
        ports_.alerts.Message(std::string(msg::kTrashFailed) + ProgramFileName(number));
    // Nor does a deleted program stay the current one by way of that number.
    if (state_.typedProgram == number) state_.typedProgram.clear();
    state_.currentProgram.clear();
    RefreshLcd(ScreenOf(state_.mode));
    fields_.Place(FieldId::Editor, kHiddenField);
    CancelInput();
}

// The open program goes to the file of the number confirmed with ENTER.
void Panel::SaveProgram()
{
    const std::string text = fields_.io().Text(FieldId::Editor);
    const SaveOutcome outcome = Store().Save(state_.typedProgram, text);
    saves_.Report(SaveTarget::Program, outcome);
    if (outcome == SaveOutcome::Saved) ShowProgramLength(StoredLength(text));
}

// Without an open program the Edit screen names the current program: the
// length beside it is that program's file's, not the last one opened.
void Panel::ShowCurrentProgramLength()
{
    state_.programLength = Store().FileSize(state_.currentProgram);
    lcd_.screen().Text(kLengthX, kLengthY, FormatFixed(state_.programLength, 4, 0, false));
}

void Panel::ShowProgramLength(int length)
{
    state_.programLength = length;
    lcd_.Show(kLengthX, kLengthY, FormatFixed(length, 4, 0, false));
}

}  // namespace zan
