#pragma once
// The parts of one LCD redraw, in the order DrawLcd puts them on the screen.
// Positions are pixels of the panel's client area.

#include "core/lcd/lcd_screen.h"
#include "core/panel/lcd_screens.h"
#include "core/panel/panel_codes.h"

namespace zan {

inline constexpr int kTitleX = 89;  // the mode title on the top row
inline constexpr int kTitleY = 45;

// Moves an overlaid field away (to the hidden place, size 0 x 0).
void HideField(const ScreenContext& ctx, FieldId id);
// Block lines 1 and 2 belong to Auto; the other screens move them away.
void HideBlockLines(const ScreenContext& ctx);

void DrawEditScreen(LcdScreen& screen, const ScreenContext& ctx);
// The Edit title: the typed program while there is one, else the current one.
std::string EditTitle(const PanelState& panel);
void DrawManualScreen(LcdScreen& screen, const ScreenContext& ctx);
void DrawAutoScreen(LcdScreen& screen, const ScreenContext& ctx);
void DrawDiagnosisScreen(LcdScreen& screen);
// The list screens, their page as PrepareScreen moved it.
void DrawParameterScreen(LcdScreen& screen, const ScreenContext& ctx);
void DrawOffsetScreen(LcdScreen& screen, const ScreenContext& ctx);

// Manual and Auto: overrides, coolant, spindle, tool and offset numbers, in
// Auto the two program lines, then the X and Z read-out.
void DrawMachineStatus(LcdScreen& screen, const ScreenContext& ctx, ScreenCode code);

}  // namespace zan
