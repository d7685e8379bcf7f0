#pragma once
// "程序说明": the help text "anouncement.txt" of the data folder, shown by
// whatever the desktop uses for text files.

#include <filesystem>
#include <functional>

namespace zan {
class Alerts;
class ProgramFolder;
}

namespace zan::gui {

// Opens a file with the desktop's viewer; false when nothing could show it.
using OpenDocument = std::function<bool(const std::filesystem::path&)>;
bool OpenWithDesktop(const std::filesystem::path& file);

// A missing file or a desktop without a viewer is reported, never silent.
void OpenHelpText(const ProgramFolder& folder, Alerts& alerts, const OpenDocument& open);

}  // namespace zan::gui
