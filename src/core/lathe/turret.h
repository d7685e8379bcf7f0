#pragma once
// The four-station turret and its animation: a forward turn shows alternately
// a turning picture and a station picture, each for 500 ms.

#include <optional>
#include <string_view>

#include "core/lathe/display_port.h"

namespace zan {

class Lathe;

// Frame files in the order of a full forward turn, indexed 0..8.
inline constexpr std::string_view kTurretFrameFiles[9] = {
    "1.gif", "12.gif", "2.gif", "23.gif", "3.gif", "34.gif", "4.gif", "41.gif", "1.gif"};

inline constexpr int kTurretFrameMs = 500;

class Turret {
public:
    explicit Turret(Lathe& lathe) : lathe_(lathe) {}

    void TurnTurret(int from, int to);

private:
    // Shows one frame, waits and blacks the area out; false when the file
    // could not be read (the reader's message has been shown).
    bool ShowFrame(int index, const Rect& area);

    Lathe& lathe_;
};

}  // namespace zan
