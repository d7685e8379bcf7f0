#pragma once
// The commands of the page's menus and toolbar that act on the machine at
// once, by name ("initialise", "clamp", ...): the same actions as the
// desktop's menu items and toolbar buttons. The commands that open a dialog
// are the page's; it calls the station's verbs with what the student chose.

#include <string_view>

#include "core/station/station.h"

namespace zan::web {

// False when no command has that name.
bool RunPageCommand(Station& station, std::string_view name);

}  // namespace zan::web
