// Reporting saves: the controller's message for a file that could not be
// written, once per failure, and one plain message for a folder that cannot
// be written at all.

#include "core/panel/save_reports.h"

#include <string>

#include "core/files/file_replace.h"
#include "core/panel/panel_messages.h"

namespace zan {

namespace {

std::string_view FailureMessage(SaveTarget target)
{
    return target == SaveTarget::Program ? msg::kSaveError : msg::kCannotSaveParameters;
}

}  // namespace

void SaveReports::Report(SaveTarget target, SaveOutcome outcome)
{
    bool& failing = failing_[static_cast<std::size_t>(target)];
    if (outcome == SaveOutcome::Saved) {
        failing = false;
        folderReported_ = false;
        return;
    }
    if (failing) return;
    failing = true;
    if (outcome == SaveOutcome::Unencodable) return alerts_.Message(msg::kUnencodable);
    if (!FolderWritable(programs_.dir())) {
        // One message for the folder covers the program and both value files.
        if (folderReported_) return;
        folderReported_ = true;
        return alerts_.Message(std::string(msg::kFolderReadOnly) + programs_.dir().string());
    }
    alerts_.Message(FailureMessage(target));
}

}  // namespace zan
