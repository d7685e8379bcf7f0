// Reporting saves: the controller's message for a file that could not be
// written, once per failure, and one plain message for a folder that cannot
// be written at all.

#include <string>

#include "core/files/file_replace.h"
#include "core/panel/panel.h"
#include "core/panel/panel_messages.h"

namespace zan {

namespace {

std::string_view FailureMessage(SaveTarget target)
{
    return target == SaveTarget::Program ? msg::kSaveError : msg::kCannotSaveParameters;
}

}  // namespace

void Panel::ReportSave(SaveTarget target, SaveOutcome outcome)
{
    bool& failing = saveFailures_.failing[static_cast<std::size_t>(target)];
    if (outcome == SaveOutcome::Saved) {
        failing = false;
        saveFailures_.folderReported = false;
        return;
    }
    if (failing) return;
    failing = true;
    if (outcome == SaveOutcome::Unencodable) return ports_.alerts.Message(msg::kUnencodable);
    if (!FolderWritable(programs_.dir())) {
        // One message for the folder covers the program and both value files.
        if (saveFailures_.folderReported) return;
        saveFailures_.folderReported = true;
        return ports_.alerts.Message(std::string(msg::kFolderReadOnly) + programs_.dir().string());
    }
    ports_.alerts.Message(FailureMessage(target));
}

}  // namespace zan
