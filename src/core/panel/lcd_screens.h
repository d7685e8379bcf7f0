#pragma once
// What RefreshLcd draws: the name, the mode bar, the current mode's screen,
// the machine status block and the position read-out, the mode highlight.
// The mode decides what is drawn; the code only selects side actions (paging,
// highlighted overrides).

#include <functional>
#include <string>
#include <string_view>

#include "core/lathe/lathe_state.h"
#include "core/lcd/lcd_screen.h"
#include "core/panel/panel_codes.h"
#include "core/panel/panel_state.h"

namespace zan {

// Everything a redraw reads, and the overlaid fields it moves and fills.
// The drawing itself changes no state: PrepareScreen does that first.
struct ScreenContext {
    const PanelState& panel;
    const PageState& pages;
    const LatheState& machine;
    std::string_view listing;     // the program listing (at most 299 characters)
    bool feedHoldLit = false;     // the feed-hold key's lamp
    bool blockAdvanced = false;   // the block display shows the block just executed
    // Moves an overlaid field (kHiddenField hides it) and sets a field's text.
    std::function<void(FieldId, const Rect&)> placeField;
    std::function<void(FieldId, std::string_view)> setFieldText;
    // What the position display adds to each value it draws, X first (mm,
    // 0..1); without it the values are exact, as a redraw draws them.
    std::function<double()> positionJitter;
};

// What a redraw changes before it draws, for the screen it will draw: the
// mode is Auto while a program runs; rapid and its highlight are off outside
// Manual; the Edit screen takes the current program from the number typed
// last (or the first program listed when none was); the parameter and
// offset lists move their page for the paging and cursor codes.
void PrepareScreen(PanelState& panel, PageState& pages, const LatheState& machine, std::string_view listing,
                   ScreenCode code);

// Steps 2 to 9 of a redraw into `screen` (which it begins anew), from the
// state as PrepareScreen left it.
void DrawLcd(LcdScreen& screen, const ScreenContext& ctx, ScreenCode code);

// Drawn over the screen as it stands during a run: after each block the
// next two blocks (from the machine's line index), the offset and tool
// numbers and the position; at the end of a run the position alone.
void DrawRunDisplay(LcdScreen& screen, const ScreenContext& ctx);
void DrawPositionOnly(LcdScreen& screen, const ScreenContext& ctx);
// The Auto title as the single-block key redraws it: while a run goes on,
// that it will stop after the block.
void DrawSingleBlockTitle(LcdScreen& screen, const ScreenContext& ctx);

}  // namespace zan
