#pragma once
// The LCD as the panel last drew it, and the window that shows it. The
// panel redraws it whole (RefreshLcd); its parts write a prompt, a length or
// a blank line over it as it stands.

#include <string>
#include <string_view>

#include "core/lcd/lcd_screen.h"
#include "core/panel/field_places.h"
#include "core/panel/panel_ports.h"

namespace zan {

class PanelLcd {
public:
    explicit PanelLcd(PanelWindow& window) : window_(window) {}
    PanelLcd(const PanelLcd&) = delete;
    PanelLcd& operator=(const PanelLcd&) = delete;

    LcdScreen& screen() { return screen_; }
    const LcdScreen& screen() const { return screen_; }
    // Writes a text over the screen and shows it at once.
    void Show(int x, int y, std::string_view text, LcdVideo video = LcdVideo::Normal)
    {
        screen_.Text(x, y, text, video);
        Changed(false);
    }
    // Text is drawn opaque, so spaces clear the line.
    void Erase(const LcdLine& line) { Show(line.x, line.y, std::string(static_cast<std::size_t>(line.cells), ' ')); }
    // The window renders the screen as it stands; with repaintArea the
    // screen area is repainted from the background first.
    void Changed(bool repaintArea) { window_.ScreenChanged(screen_, repaintArea); }

private:
    PanelWindow& window_;
    LcdScreen screen_;
};

}  // namespace zan
