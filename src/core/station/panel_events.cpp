// The panel event bridge: each code of 0..87 selects one action, on the
// panel's side (lamps, the LCD, the panel's own keys) or on the machine's.

#include <array>

#include "core/station/station.h"

namespace zan {

namespace {

using Action = void (*)(Station&);
constexpr int kCodes = static_cast<int>(PanelEventCode::Last) + 1;

PanelLink& Panel(Station& st) { return st.lathe.ports.panel; }

struct Entry {
    PanelEventCode code;
    Action action;
};

// Codes not listed here do nothing.
constexpr Entry kEntries[] = {
    {PanelEventCode::ShowPanel, [](Station& st) { Panel(st).ShowPanel(); }},
    {PanelEventCode::SpindleLampL, [](Station& st) { Panel(st).ShowSpindle(1); }},
    {PanelEventCode::SpindleLampR, [](Station& st) { Panel(st).ShowSpindle(2); }},
    {PanelEventCode::SpindleLampsOff, [](Station& st) { Panel(st).ShowSpindle(0); }},
    {PanelEventCode::ShowRunLines, [](Station& st) { Panel(st).ShowRunLines(); }},
    {PanelEventCode::RunComplete, [](Station& st) { Panel(st).ShowRunComplete(); }},
    {PanelEventCode::Overrides, [](Station& st) { st.lathe.ApplyOverrides(); }},
    {PanelEventCode::CycleStartLampOff, [](Station& st) { Panel(st).CycleStartLampOff(); }},
    {PanelEventCode::PressEnter, [](Station& st) { Panel(st).PressEnter(); }},
    {PanelEventCode::PressCycleStart, [](Station& st) { Panel(st).PressCycleStart(); }},
    {PanelEventCode::PressFeedHold, [](Station& st) { Panel(st).PressFeedHold(); }},
    {PanelEventCode::PressSpindleToggle,
     [](Station& st) { Panel(st).PressSpindleToggle(st.lathe.state.spindleState != 0); }},
    {PanelEventCode::PressRapidFeed, [](Station& st) { Panel(st).PressRapidFeed(); }},
    {PanelEventCode::CoolantLampOn, [](Station& st) { Panel(st).ShowCoolant(true); }},
    {PanelEventCode::CoolantLampOff, [](Station& st) { Panel(st).ShowCoolant(false); }},
    {PanelEventCode::SecondKeyPad, [](Station& st) { Panel(st).ShowSecondKeyPad(); }},
    {PanelEventCode::JogRatesAndPosition,
     [](Station& st) {
         st.lathe.UpdateJogRates();
         Panel(st).RefreshPosition();
     }},
};

constexpr std::array<Action, kCodes> MakeTable()
{
    std::array<Action, kCodes> table{};
    for (const Entry& e : kEntries) table[static_cast<int>(e.code)] = e.action;
    return table;
}

constexpr std::array<Action, kCodes> kTable = MakeTable();

}  // namespace

void Station::PanelEvent(PanelEventCode code)
{
    const int n = static_cast<int>(code);
    // The tool offsets are applied before the table, and have no entry in it.
    if (code > PanelEventCode::ClearOffset && code <= PanelEventCode::Offset9)
        lathe.ApplyOffset(n - static_cast<int>(PanelEventCode::ClearOffset));
    if (code == PanelEventCode::ClearOffset) lathe.ClearOffset();
    if (code == PanelEventCode::Reset) return Reset();
    if (n < 0 || n >= kCodes || kTable[n] == nullptr) return;
    kTable[n](*this);
}

// Stops the run and empties the program; the interpreter's reset ends with
// the run-complete event, on which the panel loads its program again.
void Station::Reset()
{
    LatheState& s = lathe.state;
    lathe.ports.panel.ResetKeys();
    s.runFlag = false;
    s.lineTable.Clear();
    s.lineIndex = 0;
    motion.PathStep(s.posZ, s.posX, PathMode::Clear);
    interpreter.ExecuteNextBlock(false);
}

}  // namespace zan
