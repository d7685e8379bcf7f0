// The parameter and tool-offset screens: nine list rows from y = 67, the
// cursor label in inverse over the current row, and a footer line naming the
// current entry. Positions are pixels of the panel's client area.

#include <array>
#include <cmath>
#include <string>

#include "core/panel/lcd_mode_screens.h"
#include "core/panel/lcd_pages.h"
#include "core/panel/lcd_texts.h"
#include "core/text/format_fixed.h"

namespace zan {

namespace {

constexpr int kRowX = 86;     // list rows and the cursor label
constexpr int kFooterX = 49;  // name of the current entry
constexpr int kFooterY = 180;
constexpr int kBitTextX = 109;   // what the selected bit switches
constexpr int kFirstBitX = 110;  // digit n of P11 or P12 lies at 110 + 6n
constexpr int kCellWidth = 6;

const std::string kRowErase(25, ' ');
const std::string kEmptyRow(27, ' ');
const std::string kFooterErase(18, ' ');

struct ValueFormat {
    int intDigits;
    int decimals;
};

// P01..P23: limits in mm with thousandths, rates and times as whole numbers,
// the bit parameters as eight digits.
constexpr std::array<ValueFormat, kParameterCount> kParameterFormats{{
    {4, 3}, {4, 3}, {4, 3}, {4, 3},  // travel limits
    {5, 0}, {5, 0},                  // rapid rates
    {2, 3}, {2, 3},                  // backlash
    {4, 0}, {4, 0},                  // spindle gears
    {8, 0}, {8, 0},                  // bit parameters
    {3, 0}, {3, 0}, {3, 0}, {3, 0},  // stations and times
    {4, 0}, {4, 0}, {4, 0}, {4, 0}, {4, 0}, {4, 0},
    {3, 0},  // block-number step
}};

int RowY(int row) { return kListTop + kListRowHeight * row; }

// The selected digit (1..8) of the current parameter when it is a bit
// parameter, else 0.
int CurrentBitCursor(const PanelState& panel)
{
    const int p = panel.parameterRow;
    if (p != 11 && p != 12) return 0;
    const int cursor = panel.bitCursors[p - 11];
    return cursor >= 1 && cursor <= kBitCount ? cursor : 0;
}

std::string ParameterRowText(const PanelState& panel, int p)
{
    const ValueFormat f = kParameterFormats[p - 1];
    return "P" + FormatFixed(p, 2, 0, false) + " " + FormatFixed(panel.parameters[p - 1], f.intDigits, f.decimals, true);
}

// Digit n of an eight-digit bit parameter has the weight 10^(8 - n).
std::string_view BitDigit(double value, int cursor)
{
    const double weight = std::pow(10.0, kBitCount - cursor);
    return std::fmod(std::floor(value / weight), 10.0) == 1.0 ? "1" : "0";
}

void DrawParameterFooter(LcdScreen& screen, const PanelState& panel, int cursorY)
{
    const int current = panel.parameterRow;
    screen.Text(kFooterX, kFooterY, kFooterErase);
    const std::string label = (current < 10 ? "P0" : "P") + std::to_string(current);
    screen.Text(kRowX, cursorY, label, LcdVideo::Inverse);
    screen.Text(kFooterX, kFooterY, ParameterName(current), LcdVideo::Inverse);
    const int cursor = CurrentBitCursor(panel);
    if (cursor != 0) screen.Text(kBitTextX, kFooterY, BitDescription(current, cursor));
}

// "T1Z" for index 1, "T1X" for 2: odd indexes are Z, even ones X.
std::string OffsetLabel(int index)
{
    return index % 2 == 0 ? "T" + std::to_string(index / 2) + "X" : "T" + std::to_string((index + 1) / 2) + "Z";
}

// X offsets are kept as a radius and shown as a diameter.
std::string OffsetRowText(const PanelState& panel, int index)
{
    const double value = panel.offsets[index - 1];
    return OffsetLabel(index) + " " + FormatFixed(index % 2 == 0 ? 2 * value : value, 4, 3, true);
}

void DrawOffsetFooter(LcdScreen& screen, const PanelState& panel, int cursorY)
{
    const int current = panel.offsetRow;
    const bool x = current % 2 == 0;
    const int tool = x ? current / 2 : (current + 1) / 2;
    screen.Text(kFooterX, kFooterY, kFooterErase);
    screen.Text(kRowX, cursorY, OffsetLabel(current), LcdVideo::Inverse);
    screen.Text(kFooterX, kFooterY, std::to_string(tool) + "号刀偏" + (x ? "X" : "Z"), LcdVideo::Inverse);
}

}  // namespace

void DrawParameterScreen(LcdScreen& screen, const ScreenContext& ctx)
{
    HideBlockLines(ctx);
    screen.ClearBody();
    screen.Text(kTitleX, kTitleY, " 参数                        ");
    const PageState& pages = ctx.pages;
    const PanelState& panel = ctx.panel;
    for (int row = 0; row < kListRows; ++row) {
        const int p = pages.paramFirst + row;
        screen.Text(kRowX, RowY(row), kRowErase);
        screen.Text(kRowX, RowY(row), p <= kParameterCount ? ParameterRowText(panel, p) : kEmptyRow);
    }
    if (const int cursor = CurrentBitCursor(panel); cursor != 0) {
        const std::string_view digit = BitDigit(panel.parameters[panel.parameterRow - 1], cursor);
        screen.Text(kFirstBitX + kCellWidth * cursor, pages.paramCursorY, digit, LcdVideo::Inverse);
    }
    DrawParameterFooter(screen, panel, pages.paramCursorY);
}

void DrawOffsetScreen(LcdScreen& screen, const ScreenContext& ctx)
{
    HideBlockLines(ctx);
    screen.ClearBody();
    screen.Text(kTitleX, kTitleY, " 刀偏       ");
    const PageState& pages = ctx.pages;
    const PanelState& panel = ctx.panel;
    for (int row = 0; row < kListRows; ++row) {
        const int index = pages.offsetFirst + row;
        screen.Text(kRowX, RowY(row), kRowErase);
        if (index <= kOffsetCount) screen.Text(kRowX, RowY(row), OffsetRowText(panel, index));
    }
    DrawOffsetFooter(screen, panel, pages.offsetCursorY);
}

}  // namespace zan
