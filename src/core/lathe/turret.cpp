#include "core/lathe/turret.h"

#include "core/lathe/lathe.h"
#include "core/lathe/turret_frame.h"

namespace zan {

namespace {
constexpr int kFixedStations = 4;
}  // namespace

void Turret::TurnTurret(int from, int to)
{
    LatheState& s = lathe_.state;
    // The custom tool has no turret position; the fastest speed skips the show.
    if (s.traceMode || s.speedLevel > 3 || from == to || from > kFixedStations) return;

    s.turretBusy = true;  // moves meanwhile draw no tool
    const int x = s.drawnZ;
    const int y = s.drawnX;
    const Rect area{x - 107, y - 107, x + 450, y + 450};

    // The turret only turns forward: past station 4 it goes on from station 1.
    // Frame 2a-1 turns away from station a, frame 2a shows station a+1.
    const int end = from <= to ? to : kFixedStations + 1;
    bool shown = true;
    for (int a = 2 * from; shown && a <= 2 * end - 1; ++a) shown = ShowFrame(a - 1, area);
    if (end != to)
        for (int a = 2; shown && a <= 2 * to - 1; ++a) shown = ShowFrame(a - 1, area);
    s.turretBusy = false;
}

bool Turret::ShowFrame(int index, const Rect& area)
{
    if (index < 0 || index > 8) return false;
    const std::string_view name = kTurretFrameFiles[index];
    const GifResult gif = LoadGif(lathe_.folder.File(name));
    if (!gif.ok()) {
        lathe_.ports.alerts.Message(gif.message);
        return false;
    }
    // Turning pictures are larger than the station pictures and sit further up.
    const bool turning = index % 2 == 1;
    const Point topLeft = turning ? Point{area.left, area.top} : Point{area.left + 23, area.top + 33};
    lathe_.ports.display.ShowTurretFrame(MakeTurretFrame(*gif.picture, name, topLeft));
    lathe_.ports.clock.Wait(kTurretFrameMs);
    lathe_.ports.display.FillBlack(area);
    return true;
}

}  // namespace zan
