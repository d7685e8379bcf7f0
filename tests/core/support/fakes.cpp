#include "support/fakes.h"

#include <algorithm>

namespace zan::test {

namespace {
std::string RectText(const Rect& r)
{
    return std::to_string(r.left) + " " + std::to_string(r.top) + " " + std::to_string(r.right) + " " +
           std::to_string(r.bottom);
}
}  // namespace

void RecordingDisplay::DrawTraceLine(Point a, Point b)
{
    calls.push_back("line " + std::to_string(a.x) + " " + std::to_string(a.y) + " " + std::to_string(b.x) + " " +
                    std::to_string(b.y));
}

void RecordingDisplay::Refresh(const Rect& r) { calls.push_back("refresh " + RectText(r)); }

void RecordingDisplay::FillBlack(const Rect& r) { calls.push_back("black " + RectText(r)); }

int RecordingDisplay::count(const std::string& prefix) const
{
    return static_cast<int>(std::count_if(calls.begin(), calls.end(),
                                           [&](const std::string& c) { return c.rfind(prefix, 0) == 0; }));
}

Rig::Rig(StationOptions options)
    : station(std::make_unique<Station>(Ports{alerts, clock, display, panel}, std::move(options))),
      lathe(&station->lathe)
{
}

void Rig::Cutting()
{
    s().spindleState = 1;
    s().chuckOpen = false;
}

}  // namespace zan::test
