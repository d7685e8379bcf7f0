// The panel's construction, its redraw, its painting and the fields it
// places over the LCD.

#include "core/panel/panel.h"

#include <cmath>
#include <cstdlib>
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

// Bytes of a program's file, its zero byte and CR LF included, as the Edit
// screen's length read-out counts them; 0 when there is no such file.
int ProgramFileLength(const ProgramFolder& programs, const std::string& number)
{
    const std::string name = ProgramFileName(number);
    if (name.empty()) return 0;
    std::error_code error;
    const auto size = std::filesystem::file_size(programs.File(name), error);
    return error ? 0 : static_cast<int>(size);
}

}  // namespace

Panel::Panel(PanelPorts ports, Lathe& lathe, MachineBridge& bridge, ProgramFolder programs)
    : ports_(ports), lathe_(lathe), bridge_(bridge), programs_(std::move(programs))
{
    state_.parameters = ReadParameterFile(programs_.dir());
    state_.offsets = ReadOffsetFile(programs_.dir());
    state_.currentProgram = FirstProgram(ListPrograms(programs_.dir()));
    state_.programLength = ProgramFileLength(programs_, state_.currentProgram);
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
        .setFieldText = [this](FieldId id, std::string_view text) { ports_.fields.SetText(id, text); },
        .positionJitter = {},
    };
}

// Draws over the screen as it stands, without a full redraw. Outside
// Manual the position display it draws shows each value up to 1 mm above
// the exact one (|sin| of the C library's next pseudo-random number, never
// seeded, so the same figures come back in every session). Only the drawn
// text changes; the next redraw shows the exact values again.
void Panel::DrawOver(void (*draw)(LcdScreen&, ScreenContext&))
{
    ScreenContext ctx = MakeContext({});
    if (state_.mode != PanelMode::Manual)
        ctx.positionJitter = [] { return std::fabs(std::sin(static_cast<double>(std::rand()))); };
    draw(screen_, ctx);
    ports_.window.ScreenChanged(screen_, false);
}

void Panel::RefreshLcd(ScreenCode code)
{
    // Only the Edit screen shows the listing, and a running program turns
    // the screen to Auto: the folder is not read on every jog or path step.
    const bool listed = state_.mode == PanelMode::Edit && !lathe_.state.runFlag;
    const std::string listing = listed ? ListPrograms(programs_.dir()) : std::string();
    ScreenContext ctx = MakeContext(listing);
    // The redraw shows the block being carried out and the next one, as the
    // last block display did.
    ctx.blockAdvanced = state_.blockAdvanced;
    DrawLcd(screen_, ctx, code);
    // Rapid traverse is a Manual setting: any other screen turns it off.
    if (state_.mode != PanelMode::Manual) state_.rapidOn = false;
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

// The editor field holds at most kEditorLimit characters: what goes past
// the limit is refused, as the field of the controller refuses it.
bool Panel::KeepWithinLimit(FieldId id)
{
    const std::string text = ports_.fields.Text(id);
    if (CharCount(text) <= kEditorLimit) return true;
    ports_.fields.SetText(id, text.substr(0, ByteOffset(text, kEditorLimit)));
    ports_.alerts.Message(msg::kFieldFull);
    return false;
}

void Panel::FieldChanged(FieldId id)
{
    if (id != FieldId::Editor) return;
    if (!KeepWithinLimit(id)) return;
    switch (state_.mode) {
    case PanelMode::Edit: EditorChanged(); break;
    case PanelMode::Parameter: SwitchMode(PanelMode::Parameter); break;
    case PanelMode::Diagnosis: SwitchMode(PanelMode::Diagnosis); break;
    default: break;
    }
}

}  // namespace zan
