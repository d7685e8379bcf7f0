// Values typed on the parameter and offset screens, the bits of P11 and
// P12, and saving Pset.dat and Dset.dat after each stored value.

#include "core/panel/panel.h"

namespace zan {

bool Panel::ParameterDigit(char) { return false; }
void Panel::ParameterEnter() {}
void Panel::ParameterInput() {}
void Panel::OffsetEnter() {}
void Panel::OffsetInput() {}
void Panel::SaveParameters() {}
void Panel::SaveOffsets() {}

}  // namespace zan
