#pragma once
// What a page shows of a controller, read the same way whether a student
// drives it or a key script does: the changed rectangles of the LCD and the
// lathe view as RGBA bytes for a canvas, the lit lamps, and the fields over
// the LCD.

#include <cstdint>
#include <string>
#include <vector>

#include "core/files/rgba_frame.h"
#include "core/panel/plain_fields.h"
#include "core/station/station.h"

namespace zan::web {

// A changed rectangle of a frame, its pixels as R, G, B, A bytes row by
// row; empty when nothing changed.
struct FramePatch {
    FrameRect rect;
    std::vector<std::uint8_t> rgba;
};

// Takes the frame's changed rectangle (all of it with `whole`) into
// `patch`, whose memory is used again from one frame to the next.
void TakePatch(RgbaFrame& frame, bool whole, FramePatch& patch);

// The ids of the lamp keys that are lit, in id order.
std::vector<int> LitLamps(Panel& panel);

// One field over the LCD as the page draws it: place in panel pixels,
// text, selection in characters, the line at its top.
struct FieldView {
    int id = 0;
    Rect place;
    bool shown = false;
    bool focused = false;
    std::string text;
    Selection selection;
    int firstLine = 0;
};
std::vector<FieldView> FieldViews(const PlainFields& fields);

}  // namespace zan::web
