#include "core/panel/lcd_pages.h"

#include <algorithm>

namespace zan {

namespace {

void TurnPage(ListPage page, int& current, int count, ScreenCode code)
{
    if (code == ScreenCode::NextPage) {
        if (current + kListRows <= count) current += kListRows;
    } else if (current > kListRows) {
        current -= kListRows;
    } else {
        current = 1;
    }
    page.first = current;
}

}  // namespace

void UpdateListPage(ListPage page, int& current, int count, ScreenCode code)
{
    if (code == ScreenCode::NextPage || code == ScreenCode::PreviousPage) TurnPage(page, current, count, code);
    // The cursor follows the current entry rather than counting key presses:
    // cursor down on the last entry leaves the current entry where it is, and
    // counting the press would put the cursor label on an empty row.
    if (current < page.first) page.first = current;
    if (current > page.first + kListRows - 1) page.first = current - (kListRows - 1);
    page.first = std::clamp(page.first, 1, count);
    page.row = std::clamp(current - page.first, 0, kListRows - 1);
    page.cursorY = kListTop + kListRowHeight * page.row;
}

}  // namespace zan
