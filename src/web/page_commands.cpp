#include "web/page_commands.h"


namespace zan::web {

namespace {

struct PageCommand {
    std::string_view name;
    void (*run)(Station&);
};

constexpr PageCommand kCommands[] = {
    {"initialise", [](Station& s) { s.lathe.Initialise(); }},
    {"clamp", [](Station& s) { s.lathe.Clamp(); }},
    {"release", [](Station& s) { s.lathe.Release(); }},
    {"trace", [](Station& s) { s.lathe.ToggleTrace(); }},
    {"tailstock", [](Station& s) { s.lathe.ToggleTailstock(); }},
    {"turn-end-for-end", [](Station& s) { s.lathe.TurnEndForEnd(); }},
    {"tool-1", [](Station& s) { s.lathe.SelectTool(1); }},
    {"tool-2", [](Station& s) { s.lathe.SelectTool(2); }},
    {"tool-3", [](Station& s) { s.lathe.SelectTool(3); }},
    {"tool-4", [](Station& s) { s.lathe.SelectTool(4); }},
    // These go to the operator panel's own keys through the event bridge.
    {"cycle-start", [](Station& s) { s.PanelEvent(PanelEventCode::PressCycleStart); }},
    {"feed-hold", [](Station& s) { s.PanelEvent(PanelEventCode::PressFeedHold); }},
    {"spindle", [](Station& s) { s.PanelEvent(PanelEventCode::PressSpindleToggle); }},
    {"rapid-feed", [](Station& s) { s.PanelEvent(PanelEventCode::PressRapidFeed); }},
    {"second-panel",
     [](Station& s) {
         s.PanelEvent(PanelEventCode::ShowPanel);
         s.PanelEvent(PanelEventCode::SecondKeyPad);
     }},
};

}  // namespace

bool RunPageCommand(Station& station, std::string_view name)
{
    for (const PageCommand& command : kCommands)
        if (command.name == name) {
            command.run(station);
            return true;
        }
    return false;
}

}  // namespace zan::web
