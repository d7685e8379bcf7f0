#pragma once
// The box-drawing characters of the mode bar's frame are drawn as lines
// through the middle of their two cells rather than from a font, so that the
// frame they build closes at every resolution.

namespace zan {

// Which arms a box-drawing character has, and how thick they are in LCD
// pixels (1 light, 2 heavy).
struct BoxArms {
    char32_t c;
    bool up, down, left, right;
    int weight;
};

// The arms of `c`; null for a character that is no box-drawing character.
const BoxArms* BoxOf(char32_t c);
inline bool IsBoxCharacter(char32_t c) { return BoxOf(c) != nullptr; }

// A rectangle of a glyph's cell in LCD pixels (right, bottom exclusive).
struct BoxLine {
    int left, top, right, bottom;
};

// The lines of a box character in a cell `width` x `height` LCD pixels: up
// to four, one per arm; returns how many.
int BoxLines(const BoxArms& box, int width, int height, BoxLine (&lines)[4]);

}  // namespace zan
