#pragma once
// Puts an LCD screen onto the panel's backing image: the body cleared in the
// LCD's blue, then each text character by character into its own cell,
// opaque, white on blue or the other way round. Positions are the panel
// window's client pixels, as in the screen itself; an image with a device
// pixel ratio above 1 (a scaled desktop) gets glyphs drawn at that ratio.

#include <QImage>
#include <QRect>
#include <string_view>

#include "core/lcd/lcd_screen.h"
#include "gui/panel/lcd_glyphs.h"

namespace zan::gui {

class LcdRenderer {
public:
    // Draws every operation of the screen, in order, into `target` (an RGB32
    // image); returns the rectangle that was drawn on, in window pixels.
    QRect Render(const LcdScreen& screen, QImage& target);
    // One text; returns the rectangle of its cells.
    QRect DrawText(const LcdText& text, QImage& target);

    LcdGlyphs& glyphs() { return glyphs_; }

private:
    LcdGlyphs glyphs_;
};

// The next code point of a UTF-8 text from byte `at`, which it moves on.
// A malformed sequence gives U+FFFD and moves one byte.
char32_t NextCodePoint(std::string_view utf8, std::size_t& at);

// Fills a rectangle of an RGB32 image with one colour (clipped to the
// image); the rectangle is in image pixels.
void FillRgb(QImage& image, const QRect& rect, QRgb colour);

}  // namespace zan::gui
