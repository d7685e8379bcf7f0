#pragma once
// The keys of the operator panel and of the second key pad: where each sits
// (dialog units of the panel's template), its face picture, its name, the
// panel key code by which the second key pad presses it, and whether it
// carries a lamp.

#include <optional>
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

struct KeyInfo {
    KeyId id;
    DialogRect place;
    int face;               // face picture number
    std::string_view name;  // what the key is, as its face shows it
    char code;              // panel key code; '\0' for none
    bool lamp;              // the key draws its lamp when lit
};

struct PadKeyInfo {
    KeyId id;               // the panel key it copies (same face)
    DialogRect place;
    int face;
    char code;              // sent to the panel; jog keys send it on press and "l" on release
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
