#pragma once
// The four-station turret and its animation: a forward turn shows alternately
// a turning picture and a station picture, each for 500 ms. The animation
// runs on the machine's clock: a turn starts it, Advance shows each frame
// when it is due, and what was to happen after the turn (the new tool drawn)
// happens after its last frame.

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

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

    // A forward turn from station `from` to `to`. `after` runs when its
    // last frame has gone, or at once when the turn is not shown (the
    // fastest speed, the trace mode, the custom tool). A turn asked for while
    // another is shown follows it.
    void TurnTurret(int from, int to, std::function<void()> after = {});
    // Shows what is due by `now`; the time the frame on screen goes, or
    // nullopt when the turret stands still.
    std::optional<std::int64_t> Advance(std::int64_t now);
    bool Busy() const { return showing_; }
    std::int64_t due() const { return due_; }

private:
    struct Frame {
        int index;  // into kTurretFrameFiles
        Rect area;  // blacked out when the frame goes
    };
    // Shows the next frame from `start` on; false when none is left or its
    // file could not be read (the reader's message has been shown).
    bool ShowNext(std::int64_t start);
    void Finish();

    Lathe& lathe_;
    std::deque<Frame> frames_;  // still to be shown
    std::optional<Frame> shown_;
    std::int64_t due_ = 0;      // ms: when the frame on screen goes
    bool showing_ = false;
    std::vector<std::function<void()>> after_;
};

}  // namespace zan
