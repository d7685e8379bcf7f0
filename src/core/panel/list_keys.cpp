// The page and cursor keys: they scroll the editor in Edit, choose the block
// a run starts from in Auto, and move through the lists of the parameter and
// offset screens, where the left and right keys also choose a digit of the
// bit parameters P11 and P12.

#include "core/panel/panel.h"

namespace zan {

namespace {

constexpr int kEditorPage = 14;  // lines the page keys scroll the editor

bool IsListMode(PanelMode mode) { return mode == PanelMode::Parameter || mode == PanelMode::Offset; }

}  // namespace

void Panel::PageKey(KeyId key)
{
    if (state_.mode == PanelMode::Edit) return editor_.Scroll(key == KeyId::PageDown ? kEditorPage : -kEditorPage);
    // The LCD moves the page, and the current row with it, by nine.
    if (IsListMode(state_.mode))
        RefreshLcd(key == KeyId::PageDown ? ScreenCode::NextPage : ScreenCode::PreviousPage);
}

void Panel::CursorUpDownKey(KeyId key)
{
    const PanelMode mode = state_.mode;
    const bool down = key == KeyId::CursorDown;
    if (mode == PanelMode::Edit) return editor_.Scroll(down ? 1 : -1);
    if (mode == PanelMode::Auto && auto_.SelectingBlock()) return auto_.SelectBlock(down ? 1 : -1);
    if (IsListMode(mode)) values_.MoveListCursor(down);
}

// Left and right on the parameter screen choose a digit of P11 or P12;
// everywhere else they move the editor's caret.
void Panel::CaretKey(KeyId key)
{
    const bool left = key == KeyId::CursorLeft;
    if (state_.mode == PanelMode::Parameter) return values_.MoveBitCursor(left);
    editor_.MoveCaret(left ? -1 : 1);
}

}  // namespace zan
