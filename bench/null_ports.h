#pragma once
// Ports that do nothing, so a benchmark measures the machine alone.

#include "core/lathe/quiet_ports.h"
#include "core/station/station.h"
#include "core/station/virtual_clock.h"

namespace zan::bench {

struct NullAlerts : Alerts {
    void Message(std::string_view) override {}
    bool Question(std::string_view) override { return true; }
};
struct NullMachine {
    NullAlerts alerts;
    VirtualClock clock;  // time passes only when a turn must wait
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
