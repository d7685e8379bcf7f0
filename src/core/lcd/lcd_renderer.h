#pragma once
// Turns an LCD screen into pixels: the body cleared in the LCD's blue, then
// each text character by character into its own cells, opaque, white on
// blue or the other way round, from the LCD's bitmap font (lcd_font.h). The
// box-drawing characters of the mode bar are drawn as lines. Each character's
// cells are drawn once and kept, so that drawing a text is copying rows.
//
// Positions in a screen are the panel window's pixels; a frame holds them at
// `ratio` frame pixels per panel pixel from `origin`. At ratio 2 the glyphs
// are the font's own at that resolution, so text on a 200 % desktop is sharp;
// a larger ratio enlarges the ratio-2 glyphs (even ratios) or the ratio-1
// glyphs (odd) pixel for pixel.

#include <cstdint>
#include <string_view>
#include <unordered_map>

#include "core/files/rgba_frame.h"
#include "core/lcd/lcd_font.h"
#include "core/lcd/lcd_screen.h"
#include "core/text/utf8.h"

namespace zan {

// Where the panel's pixels lie in a frame: panel pixel (x, y) is the
// `ratio` x `ratio` block from frame pixel ((x - originX) * ratio, (y - originY) * ratio).
struct LcdPlacement {
    int originX = 0;
    int originY = 0;
    int ratio = 1;

    FrameRect InFrame(const Rect& r) const
    {
        return {(r.left - originX) * ratio, (r.top - originY) * ratio, (r.right - originX) * ratio,
                (r.bottom - originY) * ratio};
    }
};

// The largest ratio a front end draws at (a 400 % desktop at zoom 2).
inline constexpr int kLcdMaxRatio = 8;

class LcdRenderer {
public:
    explicit LcdRenderer(const LcdGlyphFont& font = BuiltInLcdFont()) : font_(font) {}

    // Draws every operation of the screen, in order. Marks what it drew as
    // changed in the frame and returns it (frame pixels, clipped to the frame).
    FrameRect Render(const LcdScreen& screen, RgbaFrame& frame, const LcdPlacement& at);
    // One text; marks and returns the rectangle of its cells.
    FrameRect DrawText(const LcdText& text, RgbaFrame& frame, const LcdPlacement& at);
    // A rectangle of panel pixels in one colour; marks and returns it.
    FrameRect Fill(const Rect& area, Rgb colour, RgbaFrame& frame, const LcdPlacement& at) const;

    // One character's cells with their top left corner at frame pixel
    // (x, y), at `ratio` frame pixels per LCD pixel, clipped to the frame;
    // returns their width in frame pixels. A character the font lacks (or a
    // control character) leaves its cells empty.
    int DrawCharacter(char32_t c, LcdFont font, LcdVideo video, int ratio, RgbaFrame& frame, int x, int y);

private:
    RgbaFrame DrawCell(char32_t c, LcdFont font, LcdVideo video, int ratio) const;

    const LcdGlyphFont& font_;
    std::unordered_map<std::uint64_t, RgbaFrame> cells_;  // by character, font, video and ratio
};

// 0xFFRRGGBB, a frame's word for a colour.
inline constexpr std::uint32_t FramePixel(Rgb colour) { return kOpaqueAlpha | colour; }

}  // namespace zan
