// The one place that stands for the panel's work still to come. Each call
// site names the work it waits for; the additions that fill it replace the
// call (or the key's route) with their own handler:
// - ManualKey: manual operation (jog and step in Manual, step size,
//   overrides, spindle, coolant, reference returns, rapid traverse);
// - AutoKey, BlockSelection: automatic operation (DRY, SINGLE, choosing the
//   block to start from);
// - SaveOpenProgram: the program store;
// - EntryKey, ScrollEditor, EditorChanged: the program editor and the panel's
//   text entry (letters, digits, INPUT, ENTER, REW, DLE, caret and scrolling).
// Until then the work does nothing and shows nothing.

#include "core/panel/panel.h"

namespace zan {

void Panel::NotYetBuilt(LaterWork) {}

}  // namespace zan
