#pragma once
// The operator panel's shared state: what the LCD draws, the machine reads
// or more than one part of the panel changes (mode, manual settings,
// parameters and tool offsets, the current program). The state one part
// alone uses is that part's own (panel.h lists the parts). Field names are
// the controller's own.

#include <array>
#include <string>

#include "core/files/parameter_files.h"
#include "core/panel/panel_codes.h"

namespace zan {

struct PanelState {
    std::string currentProgram;   // two characters, e.g. "07"; empty when the store is empty
    std::string typedProgram;     // the number last confirmed with Enter, at most two characters
    int programLength = 0;        // characters of the current program, shown in Edit
    PanelMode mode = PanelMode::None;
    int spindleState = 0;         // 0 stopped, 1 forward, 2 reverse, as the panel last saw it
    int feedOverride = 100;       // per cent, 0..150 in steps of 10
    int rapidOverride = 100;      // per cent, 25..100 in steps of 25
    int parameterRow = 1;         // current parameter, 1..23
    int offsetRow = 1;            // current offset index, 1..18
    Parameters parameters = kDefaultParameters;
    ToolOffsets offsets{};
    std::array<int, 2> bitCursors{};  // selected digit 1..8 of P11 and P12, 0 = none
    bool jogSelector = true;      // true jog (moves while held), false step
    float stepSize = 10.0f;       // mm: 10, 1, 0.1, 0.01, 0.001 or 50
    float displayOffsetZ = 0.0f;  // minus the applied tool offset, added to the read-out
    float displayOffsetX = 0.0f;  // radius
    bool programOpen = false;     // Edit holds an open program in the editor
    bool painting = true;         // set while the panel paints; until the first paint ends
    bool coolantOn = false;
    bool rapidOn = false;
    bool overrideHighlight = false;  // both overrides drawn inverse (rapid on in Manual)
};

// The list cursors of the parameter and offset screens: kept for the life of
// the controller, apart from the panel's own state.
struct PageState {
    int paramFirst = 1;   // parameter on the first list row, 1..23
    int paramRow = 0;     // cursor row within the page, 0..8
    int paramCursorY = 67;
    int offsetFirst = 1;  // offset index on the first list row, 1..18
    int offsetRow = 0;
    int offsetCursorY = 67;
};

}  // namespace zan
