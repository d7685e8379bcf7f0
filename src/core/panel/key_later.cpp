// The one place that stands for the panel's work still to come. Each call
// site names the work it waits for; the additions that fill it replace the
// call (or the key's route) with their own handler:
// - AutoKey, BlockSelection: automatic operation (DRY, SINGLE, choosing the
//   block to start from).
// Until then the work does nothing and shows nothing.

#include "core/panel/panel.h"

namespace zan {

void Panel::NotYetBuilt(LaterWork) {}

}  // namespace zan
