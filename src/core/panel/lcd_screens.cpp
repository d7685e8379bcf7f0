// Placeholder: the mode screens are being built.

#include "core/panel/lcd_screens.h"

namespace zan {

void DrawLcd(LcdScreen& screen, ScreenContext&, ScreenCode) { screen.Begin(); }

}  // namespace zan
