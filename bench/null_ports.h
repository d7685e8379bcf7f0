#pragma once
// Ports that do nothing, so a benchmark measures the machine alone.

#include "core/lathe/quiet_ports.h"
#include "core/station/station.h"

namespace zan::bench {

struct NullAlerts : Alerts {
    void Message(std::string_view) override {}
    bool Question(std::string_view) override { return true; }
};
struct NullClock : Clock {
    void Wait(int) override {}
};
struct NullMachine {
    NullAlerts alerts;
    NullClock clock;
    QuietDisplay display;
    QuietPanel panel;
    Station station{Ports{alerts, clock, display, panel}, StationOptions{}};
    Lathe& lathe = station.lathe;
    NullMachine()
    {
        lathe.state.spindleState = 1;  // cutting allowed
        lathe.state.chuckOpen = false;
    }
};

}  // namespace zan::bench
