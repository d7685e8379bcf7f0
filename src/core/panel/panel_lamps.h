#pragma once
// The key lamps and what puts them on and off: each lamp is repainted only
// when it changes; the mode keys' lamps follow the mode, the spindle lamps
// the spindle. A mode's lamp also puts out rapid and DRY, and switches
// rapid (panel state) and the lock switch (a machine command) off with them.

#include <array>

#include "core/lathe/codes.h"
#include "core/lathe/lathe_state.h"
#include "core/panel/panel_codes.h"
#include "core/panel/panel_ports.h"
#include "core/panel/panel_state.h"

namespace zan {

class PanelLamps {
public:
    PanelLamps(PanelWindow& window, PanelState& panel, const LatheState& machine, MachineBridge& bridge)
        : window_(window), panel_(panel), machine_(machine), bridge_(bridge) {}
    PanelLamps(const PanelLamps&) = delete;
    PanelLamps& operator=(const PanelLamps&) = delete;

    bool On(KeyId key) const { return lamps_[Index(key)]; }
    void Set(KeyId key, bool on);
    // What a mode key, rapid or coolant asks the lamps to show; nothing
    // changes while a program runs or is held.
    void SetModeLamp(ModeLampType type);
    // Entering Auto lights its lamp and puts out the other mode lamps.
    void LightAutoLamp();
    // The panel's spindle indication and its two lamps.
    void Spindle(SpindleState spindle);

private:
    static std::size_t Index(KeyId key) { return static_cast<std::size_t>(static_cast<int>(key) - kFirstKeyId); }
    void BringModeLampInLine(ModeLampType type);

    PanelWindow& window_;
    PanelState& panel_;
    const LatheState& machine_;
    MachineBridge& bridge_;
    std::array<bool, kLastKeyId - kFirstKeyId + 1> lamps_{};
};

}  // namespace zan
