// The program store's keys in Edit: choose a program number, open or create
// the program, copy, rename and delete programs, and save the open one.

#include "core/panel/panel.h"

namespace zan {

void Panel::AskProgramNumber() {}
bool Panel::NumberBoxShown() const { return false; }
void Panel::NumberBoxChanged() {}
void Panel::OpenProgram() {}
void Panel::CopyProgram() {}
void Panel::RenameProgram() {}
void Panel::DeleteProgram() {}
void Panel::SaveProgram() {}
void Panel::ShowProgramLength(int) {}

}  // namespace zan
