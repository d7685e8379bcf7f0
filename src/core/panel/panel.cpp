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
    : ports_(ports),
      lathe_(lathe),
      bridge_(bridge),
      programs_(std::move(programs)),
      random_(random),
      lcd_(ports.window),
      fields_(ports.fields),
      lamps_(ports.window, state_, lathe.state, bridge),
      saves_(ports.alerts, programs_),
      editor_(EditorContext{state_, fields_, lcd_, ports.alerts, ports.window, programs_, saves_, *this}),
      manual_(state_, fields_, lcd_, lathe, bridge, *this),
      motion_(MotionContext{state_, lathe.state, bridge, ports.alerts, lamps_, *this}),
      values_(state_, fields_, saves_, programs_, *this),
      auto_(AutoContext{state_, lathe.state, bridge, ports.alerts, fields_, lcd_, lamps_, programs_, *this})
{
    state_.parameters = ReadParameterFile(programs_.dir());
    state_.offsets = ReadOffsetFile(programs_.dir());
    state_.currentProgram = FirstProgram(ListPrograms(programs_.dir()));
    state_.programLength = ProgramStore(programs_.dir()).FileSize(state_.currentProgram);
}

ScreenContext Panel::MakeContext(std::string_view listing)
{
    return ScreenContext{
        .panel = state_,
        .pages = pages_,
        .machine = lathe_.state,
        .listing = listing,
        .feedHoldLit = lamps_.On(KeyId::FeedHold),
        .blockAdvanced = false,
        .placeField = [this](FieldId id, const Rect& rect) { fields_.Place(id, rect); },
        .setFieldText =
            [this](FieldId id, std::string_view text) {
                if (id == FieldId::Editor) return fields_.SetEditorText(text);
                fields_.io().SetText(id, text);
            },
        .positionJitter = {},
    };
}

// Draws over the screen as it stands, without a full redraw. Outside
// Manual the position display it draws shows each value up to 1 mm above
// the exact one (|sin| of the controller's next pseudo-random number, never
// seeded, so the same figures come back in every session). Only the drawn
// text changes; the next redraw shows the exact values again.
void Panel::DrawOver(ScreenOverlay draw)
{
    ScreenContext ctx = MakeContext({});
    if (state_.mode != PanelMode::Manual)
        ctx.positionJitter = [this] { return std::fabs(std::sin(static_cast<double>(random_.Next()))); };
    draw(lcd_.screen(), ctx);
    lcd_.Changed(false);
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
    ctx.blockAdvanced = auto_.blockAdvanced();
    DrawLcd(lcd_.screen(), ctx, code);
    if (listed && !state_.programOpen) editor_.ShowCurrentProgramLength();
    // Rapid's lamp shows it at every moment (PrepareScreen turns it off
    // outside Manual).
    if (!state_.rapidOn) lamps_.Set(KeyId::Rapid, false);
    lcd_.Changed(code == ScreenCode::RepaintArea);
}

// Only the first paint draws the LCD; it also ends the start-up, after
// which the AUTO key and the program store read files.
void Panel::Paint()
{
    if (!state_.painting) return;
    RefreshLcd(ScreenOf(state_.mode));
    state_.painting = false;
}

void Panel::FieldChanged(FieldId id)
{
    if (id != FieldId::Editor) return;
    fields_.DropControlCharacters();
    // A change past the editor's limit is undone, and the student is told.
    if (!fields_.KeepEditorWithinLimit()) return ports_.alerts.Message(msg::kFieldFull);
    switch (state_.mode) {
    case PanelMode::Edit: editor_.EditorChanged(); break;
    case PanelMode::Parameter: SwitchMode(PanelMode::Parameter); break;
    case PanelMode::Diagnosis: SwitchMode(PanelMode::Diagnosis); break;
    default: break;
    }
}

}  // namespace zan
