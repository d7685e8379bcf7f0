#pragma once
// The whole controller with its operator panel, on recording ports and a
// program folder of its own.

#include <filesystem>
#include <string>
#include <vector>

#include "core/panel/plain_fields.h"
#include "support/fakes.h"

namespace zan {

// Lights a lamp directly: a test may set up lamps that no key sequence lights
// together (DRY and rapid) or that keys light only at length.
struct PanelProbe {
    static void SetLamp(Panel& panel, KeyId key, bool on) { panel.lamps_.Set(key, on); }
};

}  // namespace zan

namespace zan::test {

// What the panel asked of its window, in order: "open panel", "open pad",
// "screen" or "screen repaint", "lamp 1063 on".
struct RecordingPanelWindow : PanelWindow {
    std::vector<std::string> calls;
    int screens = 0;
    void OpenPanel() override { calls.emplace_back("open panel"); }
    void OpenSecondPad() override { calls.emplace_back("open pad"); }
    void ScreenChanged(const LcdScreen&, bool repaintArea) override;
    void LampChanged(KeyId key, bool on) override;
    void ShowFolder(const std::filesystem::path& folder) override { calls.push_back("show folder " + folder.string()); }
    void Clear() { calls.clear(), screens = 0; }
};

// A program folder removed when the test ends.
struct TempFolder {
    TempFolder();
    ~TempFolder();
    std::filesystem::path dir;
};

struct PanelRig {
    explicit PanelRig(const std::filesystem::path& folder);
    RecordingAlerts alerts;
    RecordingClock clock;
    RecordingDisplay display;
    RecordingPanelWindow window;
    PlainFields fields;
    Station station;
    Panel& panel;

    // The lathe view's first repaint: the panel opens in Edit and paints.
    void Show() { station.PanelEvent(PanelEventCode::ShowPanel); }
    TurnResult Turn() { return TurnAtOnce(station, clock); }
    void Settle() { test::Settle(station, clock); }
    void Click(KeyId key, int times = 1);
    void Light(KeyId key) { PanelProbe::SetLamp(panel, key, true); }
    PanelState& state() { return panel.state(); }
    LatheState& machine() { return station.lathe.state; }
    std::vector<KeyId> LitLamps() const;  // in the key table's order
};

}  // namespace zan::test
