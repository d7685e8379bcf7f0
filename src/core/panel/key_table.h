#pragma once
// The keys of the operator panel, one row each: where the key sits (dialog
// units of the panel's template), its face picture, its name, the panel key
// code by which the second key pad presses it, whether it carries a lamp,
// and what the panel does with it. The second key pad's keys are copies of
// panel keys at places of their own.

#include <cstddef>
#include <span>
#include <string_view>

#include "core/panel/panel_codes.h"

namespace zan {

// A rectangle in dialog units: x, y, width, height.
struct DialogRect {
    int x;
    int y;
    int width;
    int height;
};

// What the panel does with a key: one handler each (key_dispatch.cpp).
enum class KeyAction : int {
    Reset,         // the machine asks, then initialises
    Letter,        // types its letter (second legend on a second press)
    Digit,         // types a digit, the point or the minus
    Page,          // editor pages, parameter and offset pages
    CursorUpDown,  // editor lines, start block, list rows
    Caret,         // editor caret, bit cursor of P11 and P12
    LockSwitch,    // DRY
    SingleBlock,   // SINGLE
    JogOrStep,     // the jog/step selector
    Rewrite,       // REW
    Delete,        // DLE
    Esc,
    Input,
    Enter,
    Mode,          // the six mode keys
    Spindle,       // forward, stop, reverse
    Reference,     // returns to the reference point and machine zero
    Override,      // feed and rapid overrides
    Coolant,
    Lubrication,   // the trainer has no pump
    ToolChange,
    Jog,           // the four direction keys
    Rapid,
    Handwheel,     // not installed
    StepSize,
    FeedHold,
    CycleStart,
};

struct KeyInfo {
    KeyId id;
    DialogRect place;
    int face;               // face picture number
    std::string_view name;  // what the key is, as its face shows it
    char code;              // panel key code; '\0' for none
    bool lamp;              // the key draws its lamp when lit
    KeyAction action;
    int faceLeft = 1;       // pixels from the key's left edge to its face
};

struct PadKeyInfo {
    KeyId id;               // the panel key it copies: its face, its code
    DialogRect place;       // jog keys send the code on press and "l" on release
};

std::span<const KeyInfo> PanelKeys();
std::span<const PadKeyInfo> SecondPadKeys();
// The key of an id, or of a panel key code; empty when there is none.
const KeyInfo* FindKey(KeyId id);
const KeyInfo* FindKeyByCode(char code);
bool IsJogKey(KeyId id);

// Dialog units to pixels: the base units of an 8-point dialog font.
inline constexpr double kDialogUnitX = 1.5;
inline constexpr double kDialogUnitY = 1.625;

struct PixelRect {
    int x;
    int y;
    int width;
    int height;
};
PixelRect ToPixels(DialogRect r);

}  // namespace zan
