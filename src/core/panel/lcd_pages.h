#pragma once
// Paging of the parameter and offset lists: nine rows on the screen, a first
// row that scrolls, and a cursor row that always shows the current entry.

#include "core/panel/panel_codes.h"

namespace zan {

inline constexpr int kListRows = 9;
inline constexpr int kListTop = 67;        // pixels: y of the first list row
inline constexpr int kListRowHeight = 12;  // pixels

// One list's page: references into PageState.
struct ListPage {
    int& first;    // entry on the first row, 1..count
    int& row;      // cursor row, 0..8
    int& cursorY;  // pixels: y of the cursor row
};

// Moves the page for `code`. Page forward (77) moves `current` nine entries
// on while that stays within `count`; page back (78) nine back, or to 1; both
// start the page at the new current entry. Every code then scrolls the page
// just enough to hold `current` (cursor down past the last row scrolls by
// one, cursor up past the first row by one) and puts the cursor on it.
// `current` is the panel's current parameter or offset index, 1..count.
void UpdateListPage(ListPage page, int& current, int count, ScreenCode code);

}  // namespace zan
