#pragma once
// What the parts of the panel ask of the panel as a whole: the redraws of
// the LCD, which read every part's state, and the keys and mode-wide actions
// that one part sets off in another (ESC's cancel, a key pressed on the
// student's behalf, typing as the letter and digit keys type).

#include <string_view>

#include "core/lcd/lcd_screen.h"
#include "core/panel/lcd_screens.h"
#include "core/panel/panel_codes.h"

namespace zan {

// A drawing over the screen as it stands (the run display, the position).
using ScreenOverlay = void (*)(LcdScreen&, const ScreenContext&);

class PanelHost {
public:
    // The LCD redrawn for the current mode; the code selects side actions.
    virtual void RefreshLcd(ScreenCode code) = 0;
    // Drawn over the screen as it stands; outside Manual the position
    // display it draws is jittered.
    virtual void DrawOver(ScreenOverlay draw) = 0;
    // ESC: the input of the current mode is cancelled.
    virtual void CancelInput() = 0;
    // A key acts as if clicked.
    virtual void Press(KeyId key) = 0;
    // Typed as a letter key (a space and its letter) or a digit key types.
    virtual void TypeKeyText(std::string_view text) = 0;
    virtual void TypeDigit(char ch) = 0;
    // Typed into a field at its caret, replacing its selection; the panel
    // acts on it as on the student's own typing.
    virtual void InsertInto(FieldId id, std::string_view text) = 0;

protected:
    ~PanelHost() = default;
};

}  // namespace zan
