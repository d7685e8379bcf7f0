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

// Everything a redraw reads, and the few things it changes besides the
// screen: the panel's mode (forced to Auto while a program runs), the
// override highlight, the page state, the overlaid fields.
struct ScreenContext {
    PanelState& panel;
    PageState& pages;
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

// Steps 2 to 9 of a redraw into `screen` (which it begins anew).
void DrawLcd(LcdScreen& screen, ScreenContext& ctx, ScreenCode code);

// Drawn over the screen as it stands during a run: after each block the
// next two blocks (from the machine's line index), the offset and tool
// numbers and the position; at the end of a run the position alone.
void DrawRunDisplay(LcdScreen& screen, ScreenContext& ctx);
void DrawPositionOnly(LcdScreen& screen, ScreenContext& ctx);
// The Auto title as the single-block key redraws it: while a run goes on,
// that it will stop after the block.
void DrawSingleBlockTitle(LcdScreen& screen, ScreenContext& ctx);

}  // namespace zan
