#pragma once
// A lathe view with recording ports, for tests that look at its pixels.

#include <QImage>
#include <gtest/gtest.h>
#include <algorithm>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "gui/lathe/orbel_view.h"
#include "core/lathe/quiet_ports.h"

namespace zan::gui::test {

// How far the core's resized pictures may stand from Qt's smooth scaling: the
// stretched chuck lies within 2 levels of it, the shrunk jaws within 16 at
// their sharpest edges.
inline constexpr int kResizeLevels = 16;

struct RecordingAlerts : Alerts {
    std::vector<std::string> messages;
    void Message(std::string_view text) override { messages.emplace_back(text); }
    bool Question(std::string_view) override { return true; }
};

// The machine's time, moved on by the test.
struct TestClock : Clock {
    std::int64_t now = 0;
    std::int64_t NowMs() const override { return now; }
};

struct CountingPanel : QuietPanel {
    int shown = 0;  // times the panel was asked to show itself
    void ShowPanel() override { ++shown; }
};

// The view with a controller attached, as the main window builds them: the
// core's view drawn by the machine, and the window showing it.
struct ViewRig {
    explicit ViewRig(int displayWidth = 1024)
        : display(std::make_unique<LatheView>(UsesSmallLayout(ViewOptions{displayWidth}))),
          station(std::make_unique<Station>(Ports{alerts, clock, *display, panel},
                                            StationOptions{display->smallLayout(), ProgramFolder::OfExecutable(), {}})),
          view(std::make_unique<COrbelView>(*display))
    {
        display->Attach(station->lathe);
        view->Attach(*station);
    }
    RecordingAlerts alerts;
    TestClock clock;
    CountingPanel panel;
    std::unique_ptr<LatheView> display;
    std::unique_ptr<Station> station;
    std::unique_ptr<COrbelView> view;

    LatheState& s() { return view->lathe().state; }
    QRgb At(int x, int y) const { return view->backing().pixel(x, y); }
    QImage Snapshot() const { return view->backing().copy(); }
    void Cutting()
    {
        s().spindleState = 1;
        s().chuckOpen = false;
    }
};

// A picture of the view as its file holds it.
inline QImage Resource(const char* name)
{
    return QImage(QStringLiteral(ZAN_LATHE_PICTURES "/") + name).convertToFormat(QImage::Format_RGB32);
}

// Pictures of one size whose colours differ by at most `levels` of 255 in
// any channel: a picture resized by the core's filter against Qt's.
inline ::testing::AssertionResult Near(const QImage& a, const QImage& b, int levels = kResizeLevels)
{
    if (a.size() != b.size()) return ::testing::AssertionFailure() << "sizes differ";
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            const int most = std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                       std::abs(qBlue(p) - qBlue(q))});
            if (most > levels)
                return ::testing::AssertionFailure() << "(" << x << "," << y << ") differs by " << most;
        }
    return ::testing::AssertionSuccess();
}

}  // namespace zan::gui::test
