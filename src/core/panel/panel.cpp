// The panel's construction, its redraw, its painting and the fields it
// places over the LCD.

#include "core/panel/panel.h"

#include <cmath>
#include <filesystem>
#include <system_error>

#include "core/files/program_file.h"
#include "core/panel/lcd_screens.h"
#include "core/panel/panel_messages.h"
#include "core/panel/plain_fields.h"
#include "core/programs/program_store.h"

namespace zan {

namespace {

// The current program of a new panel: the first program the folder lists (a
// listing entry begins with the two digits of its number); none when the
// store is empty.
std::string FirstProgram(const std::string& listing) { return listing.substr(0, 2); }

}  // namespace

Panel::Panel(PanelPorts ports, Lathe& lathe, MachineBridge& bridge, ProgramFolder programs, ControllerRandom& random)
    : ports_(ports), lathe_(lathe), bridge_(bridge), programs_(std::move(programs)), random_(random)
{
    state_.parameters = ReadParameterFile(programs_.dir());
    state_.offsets = ReadOffsetFile(programs_.dir());
    state_.currentProgram = FirstProgram(ListPrograms(programs_.dir()));
    state_.programLength = Store().FileSize(state_.currentProgram);
}

void Panel::Click(KeyId key)
{
    KeyDown(key);
    KeyUp(key);
}

bool Panel::LampOn(KeyId key) const { return lamps_[static_cast<int>(key) - kFirstKeyId]; }

int Panel::FieldIndex(FieldId id)
{
    for (int i = 0; i < static_cast<int>(std::size(kAllFields)); ++i)
        if (kAllFields[i] == id) return i;
    return 0;
}

Rect Panel::FieldPlace(FieldId id) const { return fieldPlaces_[FieldIndex(id)]; }

// Every placement goes through here, so the panel knows where each field is
// (the number box, for one, is told apart by its height).
void Panel::PlaceField(FieldId id, const Rect& rect)
{
    fieldPlaces_[FieldIndex(id)] = rect;
    ports_.fields.Place(id, rect);
}

ScreenContext Panel::MakeContext(std::string_view listing)
{
    return ScreenContext{
        .panel = state_,
        .pages = pages_,
        .machine = lathe_.state,
        .listing = listing,
        .feedHoldLit = LampOn(KeyId::FeedHold),
        .blockAdvanced = false,
        .placeField = [this](FieldId id, const Rect& rect) { PlaceField(id, rect); },
        .setFieldText =
            [this](FieldId id, std::string_view text) {
                if (id == FieldId::Editor) return SetEditorText(text);
                ports_.fields.SetText(id, text);
            },
        .positionJitter = {},
    };
}

// Draws over the screen as it stands, without a full redraw. Outside
// Manual the position display it draws shows each value up to 1 mm above
// the exact one (|sin| of the controller's next pseudo-random number, never
// seeded, so the same figures come back in every session). Only the drawn
// text changes; the next redraw shows the exact values again.
void Panel::DrawOver(void (*draw)(LcdScreen&, const ScreenContext&))
{
    ScreenContext ctx = MakeContext({});
    if (state_.mode != PanelMode::Manual)
        ctx.positionJitter = [this] { return std::fabs(std::sin(static_cast<double>(random_.Next()))); };
    draw(screen_, ctx);
    ports_.window.ScreenChanged(screen_, false);
}

void Panel::RefreshLcd(ScreenCode code)
{
    // Only the Edit screen shows the listing, and a running program turns
    // the screen to Auto: the folder is not read on every jog or path step.
    const bool listed = state_.mode == PanelMode::Edit && !lathe_.state.runFlag;
    const std::string listing = listed ? ListPrograms(programs_.dir()) : std::string();
    PrepareScreen(state_, pages_, lathe_.state, listing, code);
    ScreenContext ctx = MakeContext(listing);
    // The redraw shows the block being carried out and the next one, as the
    // last block display did.
    ctx.blockAdvanced = state_.blockAdvanced;
    DrawLcd(screen_, ctx, code);
    if (listed && !state_.programOpen) ShowCurrentProgramLength();
    // Rapid's lamp shows it at every moment (PrepareScreen turns it off
    // outside Manual).
    if (!state_.rapidOn) SetLamp(KeyId::Rapid, false);
    ports_.window.ScreenChanged(screen_, code == ScreenCode::RepaintArea);
}

// Only the first paint draws the LCD; it also ends the start-up, after
// which the AUTO key and the program store read files.
void Panel::Paint()
{
    if (!state_.painting) return;
    RefreshLcd(ScreenOf(state_.mode));
    state_.painting = false;
}

void Panel::SetEditorText(std::string_view text)
{
    ports_.fields.SetText(FieldId::Editor, text);
    editorKept_ = std::string(text);
}

// The editor field holds at most kEditorLimit characters. A change that
// would take it past them is undone whole, caret and all, and the student
// is told: nothing is ever cut off the end of a program. A program that is
// longer already (written elsewhere) keeps every character; it may be made
// shorter, never longer.
bool Panel::KeepWithinLimit()
{
    const std::string text = ports_.fields.Text(FieldId::Editor);
    const int count = CharCount(text);
    if (count <= kEditorLimit || count <= CharCount(editorKept_)) {
        editorKept_ = text;
        return true;
    }
    const int at = FirstDifference(editorKept_, text);
    ports_.fields.SetText(FieldId::Editor, editorKept_);
    ports_.fields.SetSelection(FieldId::Editor, Selection{at, at});
    ports_.alerts.Message(msg::kFieldFull);
    return false;
}

// A program holds printable characters and line breaks; a control
// character (a NUL would end the program where it stands when it is next
// opened) pasted into the field is dropped, the rest of the text kept.
void Panel::DropControlCharacters()
{
    const std::string text = ports_.fields.Text(FieldId::Editor);
    const Selection caret = ports_.fields.GetSelection(FieldId::Editor);
    std::string kept;
    int index = 0, droppedBefore = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const bool starts = (byte & 0xC0) != 0x80;
        if (starts && !ProgramCanHold(byte)) {
            if (index < caret.end) ++droppedBefore;
            ++index;
            continue;
        }
        if (starts) ++index;
        kept += text[i];
    }
    if (kept.size() == text.size()) return;
    ports_.fields.SetText(FieldId::Editor, kept);
    const int at = caret.end - droppedBefore;
    ports_.fields.SetSelection(FieldId::Editor, Selection{at, at});
}

void Panel::FieldChanged(FieldId id)
{
    if (id != FieldId::Editor) return;
    DropControlCharacters();
    if (!KeepWithinLimit()) return;
    switch (state_.mode) {
    case PanelMode::Edit: EditorChanged(); break;
    case PanelMode::Parameter: SwitchMode(PanelMode::Parameter); break;
    case PanelMode::Diagnosis: SwitchMode(PanelMode::Diagnosis); break;
    default: break;
    }
}

}  // namespace zan
