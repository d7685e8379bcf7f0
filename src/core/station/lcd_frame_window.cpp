#include "core/station/lcd_frame_window.h"

namespace zan {

LcdFrameWindow::LcdFrameWindow(bool draw)
{
    if (draw) frame_ = RgbaFrame(kLcdPixels.right - kLcdPixels.left, kLcdPixels.bottom - kLcdPixels.top, FramePixel(kLcdBlue));
}

void LcdFrameWindow::ScreenChanged(const LcdScreen& screen, bool repaintArea)
{
    if (frame_.width() == 0) return;
    if (repaintArea) renderer_.Fill(kLcdArea, kLcdBlue, frame_, kPlacement);
    renderer_.Render(screen, frame_, kPlacement);
}

}  // namespace zan
