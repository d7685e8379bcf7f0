#pragma once
// A lathe view with recording ports, for tests that look at its pixels.

#include <QImage>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "gui/lathe/orbel_view.h"
#include "core/lathe/quiet_ports.h"

namespace zan::gui::test {

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

// The view with a controller attached, as the main window builds them.
struct ViewRig {
    explicit ViewRig(int displayWidth = 1024)
        : view(std::make_unique<COrbelView>(nullptr, ViewOptions{displayWidth})),
          station(std::make_unique<Station>(Ports{alerts, clock, *view, panel},
                                            StationOptions{view->smallLayout(), ProgramFolder::OfExecutable(), {}}))
    {
        view->Attach(*station);
    }
    RecordingAlerts alerts;
    TestClock clock;
    CountingPanel panel;
    std::unique_ptr<COrbelView> view;
    std::unique_ptr<Station> station;

    LatheState& s() { return view->lathe().state; }
    QRgb At(int x, int y) const { return view->backing().pixel(x, y); }
    QImage Snapshot() const { return view->backing().copy(); }
    void Cutting()
    {
        s().spindleState = 1;
        s().chuckOpen = false;
    }
};

inline QImage Resource(const char* name)
{
    return QImage(QString(":/lathe/") + name).convertToFormat(QImage::Format_RGB32);
}

}  // namespace zan::gui::test
