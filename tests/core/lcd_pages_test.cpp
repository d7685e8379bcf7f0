// Paging of the parameter and offset lists, and the edit screen's reading of
// the program listing.

#include <gtest/gtest.h>

#include "core/files/parameter_files.h"
#include "core/panel/lcd_listing.h"
#include "core/panel/lcd_pages.h"

namespace zan::test {
namespace {

struct PageCase {
    const char* what;
    int count;  // entries in the list
    int first, row, current;
    ScreenCode code;
    int wantFirst, wantRow, wantCurrent;
};

// `current` is the entry the key handler has already made current.
const PageCase kPageCases[] = {
    {"cursor down within the page", kParameterCount, 1, 7, 9, ScreenCode::CursorDown, 1, 8, 9},
    {"cursor down past row 8 scrolls by one", kParameterCount, 1, 8, 10, ScreenCode::CursorDown, 2, 8, 10},
    {"cursor down on P23 stays on its row", kParameterCount, 15, 8, 23, ScreenCode::CursorDown, 15, 8, 23},
    {"cursor up past row 0 scrolls by one", kParameterCount, 5, 0, 4, ScreenCode::CursorUp, 4, 0, 4},
    {"cursor up on P01 stays on page 1", kParameterCount, 1, 0, 1, ScreenCode::CursorUp, 1, 0, 1},
    {"page back from 10 goes to 1", kParameterCount, 2, 8, 10, ScreenCode::PreviousPage, 1, 0, 1},
    {"page back from 9 goes to 1", kParameterCount, 1, 8, 9, ScreenCode::PreviousPage, 1, 0, 1},
    {"page back from 20 goes to 11", kParameterCount, 12, 8, 20, ScreenCode::PreviousPage, 11, 0, 11},
    {"page forward from 6 goes to 15", kParameterCount, 1, 5, 6, ScreenCode::NextPage, 15, 0, 15},
    {"page forward from 14 goes to 23", kParameterCount, 6, 8, 14, ScreenCode::NextPage, 23, 0, 23},
    {"page forward from 15 keeps it, page starts there", kParameterCount, 10, 5, 15, ScreenCode::NextPage, 15, 0, 15},
    {"other codes leave a page alone", kParameterCount, 3, 4, 7, ScreenCode::Parameter, 3, 4, 7},
    {"offset page forward from 9 goes to 18", kOffsetCount, 1, 8, 9, ScreenCode::NextPage, 18, 0, 18},
    {"offset page forward from 10 keeps it", kOffsetCount, 5, 5, 10, ScreenCode::NextPage, 10, 0, 10},
    {"offset page back from 10 goes to 1", kOffsetCount, 10, 0, 10, ScreenCode::PreviousPage, 1, 0, 1},
    {"cursor down on offset 18 stays on its row", kOffsetCount, 10, 8, 18, ScreenCode::CursorDown, 10, 8, 18},
};

TEST(ListPageTest, PagesAndCursorFollowTheCurrentEntry)
{
    for (const PageCase& c : kPageCases) {
        int first = c.first, row = c.row, cursorY = 0, current = c.current;
        UpdateListPage({first, row, cursorY}, current, c.count, c.code);
        EXPECT_EQ(first, c.wantFirst) << c.what;
        EXPECT_EQ(row, c.wantRow) << c.what;
        EXPECT_EQ(cursorY, 67 + 12 * c.wantRow) << c.what;
        EXPECT_EQ(current, c.wantCurrent) << c.what;
    }
}

TEST(ListingTest, EntriesAreTheTwoCharactersBeforeEachPoint)
{
    using Entries = std::vector<std::string>;
    EXPECT_EQ(ListingEntries("07.zan 01.zan "), (Entries{"%07", "%01"}));
    EXPECT_EQ(ListingEntries("a.zan "), Entries{});  // a point at position 1 names nothing
    EXPECT_EQ(ListingEntries("ab.c.zan "), (Entries{"%ab", "%.c"}));
    // Characters, not bytes: a Chinese name is never cut inside a character.
    EXPECT_EQ(ListingEntries("程序.zan 零件x.zan "), (Entries{"%程序", "%件x"}));
    EXPECT_EQ(FirstProgram("07.zan 01.zan "), "07");
    EXPECT_EQ(FirstProgram("程序.zan "), "程序");
    EXPECT_EQ(FirstProgram(""), "");
}

}  // namespace
}  // namespace zan::test
