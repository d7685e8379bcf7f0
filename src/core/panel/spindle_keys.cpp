// The spindle keys (forward, stop, reverse) and the coolant key.

#include "core/panel/panel.h"

namespace zan {

void Panel::SpindleKey(KeyId, KeyPress) {}
void Panel::CoolantKey(KeyId, KeyPress) {}

}  // namespace zan
