// The commands typed in Manual: INPUT sets the work coordinates (or the
// program reference point), I and K measure tool offsets, Z, X, U and W
// prepare a move that cycle start carries out, T changes the tool and its
// offset, M switches the spindle, coolant and chuck.

#include "core/panel/panel.h"

namespace zan {

bool Panel::StartManualCommand(char) { return false; }
bool Panel::AskReferencePoint(char) { return false; }
void Panel::ManualEnter() {}
void Panel::ManualInput() {}

}  // namespace zan
