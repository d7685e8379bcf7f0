#pragma once
// "程序说明": the help text "anouncement.txt" of the data folder, shown in
// the program's own help window (gui/app/help_window.h).

#include <filesystem>
#include <functional>

namespace zan {
class Alerts;
class ProgramFolder;
}

namespace zan::gui {

// Shows a file; false when it could not be shown.
using OpenDocument = std::function<bool(const std::filesystem::path&)>;

// A missing or unreadable file is reported, never silent.
void OpenHelpText(const ProgramFolder& folder, Alerts& alerts, const OpenDocument& open);

}  // namespace zan::gui
