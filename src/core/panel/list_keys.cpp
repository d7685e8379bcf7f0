// The page and cursor keys: they scroll the editor in Edit, choose the block
// a run starts from in Auto, and move through the lists of the parameter and
// offset screens, where the left and right keys also choose a digit of the
// bit parameters P11 and P12.

#include "core/panel/panel.h"

namespace zan {

namespace {

constexpr int kFirstRow = 1;
constexpr int kLastParameterRow = kParameterCount;  // P23
constexpr int kLastOffsetRow = kOffsetCount;        // tool 9, X
constexpr int kFirstBitParameter = 11;              // P11; P12 follows it
constexpr int kLeftmostBit = 1;                     // digit of weight 10^7
constexpr int kRightmostBit = 8;                    // digit of weight 1
constexpr int kEditorPage = 14;                     // lines the page keys scroll the editor

bool IsListMode(PanelMode mode) { return mode == PanelMode::Parameter || mode == PanelMode::Offset; }

// The cursor within 1..last; false when it was already at the end.
bool MoveRow(int& row, int step, int last)
{
    const int moved = row + step;
    if (moved < kFirstRow || moved > last) return false;
    row = moved;
    return true;
}

}  // namespace

void Panel::PageKey(KeyId key, KeyPress)
{
    if (state_.mode == PanelMode::Edit) return ScrollEditor(key == KeyId::PageDown ? kEditorPage : -kEditorPage);
    // The LCD moves the page, and the current row with it, by nine.
    if (IsListMode(state_.mode))
        RefreshLcd(key == KeyId::PageDown ? ScreenCode::NextPage : ScreenCode::PreviousPage);
}

void Panel::CursorUpDownKey(KeyId key, KeyPress)
{
    const PanelMode mode = state_.mode;
    if (mode == PanelMode::Edit) return ScrollEditor(key == KeyId::CursorDown ? 1 : -1);
    if (mode == PanelMode::Auto && SelectingBlock()) return SelectBlock(key == KeyId::CursorDown ? 1 : -1);
    if (!IsListMode(mode)) return;
    const bool down = key == KeyId::CursorDown;
    const int step = down ? 1 : -1;
    bool moved = false;
    if (mode == PanelMode::Parameter) {
        moved = MoveRow(state_.parameterRow, step, kLastParameterRow);
        state_.bitCursors = {};
    } else {
        moved = MoveRow(state_.offsetRow, step, kLastOffsetRow);
    }
    // At either end the list stays put: scrolling it would take the cursor
    // off the row it names.
    if (!moved) return RefreshLcd(ScreenOf(mode));
    RefreshLcd(down ? ScreenCode::CursorDown : ScreenCode::CursorUp);
}

// Left and right choose the digit of P11 or P12 to set, wrapping round the
// eight digits.
void Panel::BitCursorKey(KeyId key, KeyPress)
{
    const int bitParameter = state_.parameterRow - kFirstBitParameter;
    if (bitParameter == 0 || bitParameter == 1) {
        int& cursor = state_.bitCursors[static_cast<std::size_t>(bitParameter)];
        if (key == KeyId::CursorLeft)
            cursor = cursor <= kLeftmostBit ? kRightmostBit : cursor - 1;
        else
            cursor = cursor >= kRightmostBit ? kLeftmostBit : cursor + 1;
    }
    RefreshLcd(ScreenCode::Parameter);
}

}  // namespace zan
