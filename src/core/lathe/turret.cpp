#include "core/lathe/turret.h"

#include "core/lathe/lathe.h"
#include "core/lathe/turret_frame.h"

namespace zan {

namespace {
constexpr int kFixedStations = 4;
}  // namespace

void Turret::TurnTurret(int from, int to, std::function<void()> after)
{
    LatheState& s = lathe_.state;
    // The custom tool has no turret position; the fastest speed skips the show.
    if (s.traceMode || s.speedLevel > 3 || from == to || from > kFixedStations) {
        if (after) after();
        return;
    }
    const int x = s.drawnZ;
    const int y = s.drawnX;
    const Rect area{x - 107, y - 107, x + 450, y + 450};

    // The turret only turns forward: past station 4 it goes on from station 1.
    // Frame 2a-1 turns away from station a, frame 2a shows station a+1.
    const int end = from <= to ? to : kFixedStations + 1;
    for (int a = 2 * from; a <= 2 * end - 1; ++a) frames_.push_back(Frame{a - 1, area});
    if (end != to)
        for (int a = 2; a <= 2 * to - 1; ++a) frames_.push_back(Frame{a - 1, area});
    if (after) after_.push_back(std::move(after));
    if (showing_) return;
    s.turretBusy = true;  // moves meanwhile draw no tool
    showing_ = true;
    if (!ShowNext(lathe_.ports.clock.NowMs())) Finish();
}

std::optional<std::int64_t> Turret::Advance(std::int64_t now)
{
    while (showing_ && now >= due_) {
        lathe_.ports.display.FillBlack(shown_->area);
        if (!ShowNext(due_)) Finish();
    }
    if (!showing_) return std::nullopt;
    return due_;
}

bool Turret::ShowNext(std::int64_t start)
{
    if (frames_.empty()) return false;
    const Frame frame = frames_.front();
    frames_.pop_front();
    if (frame.index < 0 || frame.index > 8) return false;
    const std::string_view name = kTurretFrameFiles[frame.index];
    const GifResult gif = LoadGif(lathe_.folder.File(name));
    if (!gif.ok()) {
        lathe_.ports.alerts.Message(gif.message);
        return false;
    }
    // Turning pictures are larger than the station pictures and sit further up.
    const bool turning = frame.index % 2 == 1;
    const Rect& area = frame.area;
    const Point topLeft = turning ? Point{area.left, area.top} : Point{area.left + 23, area.top + 33};
    lathe_.ports.display.ShowTurretFrame(MakeTurretFrame(*gif.picture, name, topLeft));
    shown_ = frame;
    due_ = start + kTurretFrameMs;
    return true;
}

// The turn is over (or a picture could not be read, which ends the show):
// the tool is drawn again, and what waited for the turn happens.
void Turret::Finish()
{
    frames_.clear();
    shown_.reset();
    showing_ = false;
    lathe_.state.turretBusy = false;
    std::vector<std::function<void()>> after;
    after.swap(after_);
    for (const auto& action : after) action();
}

}  // namespace zan
