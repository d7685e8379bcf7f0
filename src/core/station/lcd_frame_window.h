#pragma once
// A panel window without a window that keeps the LCD's pixels as the
// panel's window shows them, at one pixel a panel pixel: for runs without a
// window that show the LCD as a picture (key scripts with --lcd-png). The
// panel's picture is the LCD's blue all over the screen area, so repainting
// that area from the background is filling it with blue.

#include "core/files/rgba_frame.h"
#include "core/lcd/lcd_renderer.h"
#include "core/panel/panel_ports.h"

namespace zan {

// Every panel pixel a screen draws on: the screen area and the mode bar below it.
inline constexpr Rect kLcdPixels{23, 45, 265, 215};

class LcdFrameWindow : public QuietPanelWindow {
public:
    // Without `draw` it draws nothing: a run without a picture costs nothing more.
    explicit LcdFrameWindow(bool draw);
    // The LCD as it stands (kLcdPixels); empty unless enabled.
    const RgbaFrame& frame() const { return frame_; }
    RgbaFrame& frame() { return frame_; }  // a front end takes its changed rectangle

    void ScreenChanged(const LcdScreen& screen, bool repaintArea) override;

private:
    static constexpr LcdPlacement kPlacement{kLcdPixels.left, kLcdPixels.top, 1};
    LcdRenderer renderer_;
    RgbaFrame frame_;
};

}  // namespace zan
