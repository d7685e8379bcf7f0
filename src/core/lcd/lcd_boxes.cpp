#include "core/lcd/lcd_boxes.h"

namespace zan {

namespace {

constexpr BoxArms kBoxes[] = {
    {U'─', false, false, true, true, 1}, {U'━', false, false, true, true, 2},
    {U'│', true, true, false, false, 1}, {U'┃', true, true, false, false, 2},
    {U'┌', false, true, false, true, 1}, {U'┏', false, true, false, true, 2},
    {U'┐', false, true, true, false, 1}, {U'┓', false, true, true, false, 2},
    {U'└', true, false, false, true, 1}, {U'┗', true, false, false, true, 2},
    {U'┘', true, false, true, false, 1}, {U'┛', true, false, true, false, 2},
    {U'├', true, true, false, true, 1}, {U'┣', true, true, false, true, 2},
    {U'┤', true, true, true, false, 1}, {U'┫', true, true, true, false, 2},
    {U'┬', false, true, true, true, 1}, {U'┳', false, true, true, true, 2},
    {U'┴', true, false, true, true, 1}, {U'┻', true, false, true, true, 2},
    {U'┼', true, true, true, true, 1}, {U'╋', true, true, true, true, 2},
};

}  // namespace

const BoxArms* BoxOf(char32_t c)
{
    for (const BoxArms& box : kBoxes)
        if (box.c == c) return &box;
    return nullptr;
}

// The middle lies one pixel before the centre of the cell, so that a heavy
// line (two pixels) is centred in a cell of even size; the arms overlap
// there, so that corners meet the sides.
int BoxLines(const BoxArms& box, int width, int height, BoxLine (&lines)[4])
{
    const int x0 = width / 2 - 1, y0 = height / 2 - 1, t = box.weight;
    int n = 0;
    if (box.left) lines[n++] = {0, y0, x0 + t, y0 + t};
    if (box.right) lines[n++] = {x0, y0, width, y0 + t};
    if (box.up) lines[n++] = {x0, 0, x0 + t, y0 + t};
    if (box.down) lines[n++] = {x0, y0, x0 + t, height};
    return n;
}

}  // namespace zan
