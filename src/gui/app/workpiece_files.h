#pragma once
// The open and save commands of workpiece image files (".map"): the file
// dialogs and what the commands do with the chosen file.

#include <QString>
#include <functional>

#include "core/lathe/workpiece_image.h"

class QWidget;

namespace zan::gui {

class RecentFiles;

enum class FileDialogKind { kOpen, kSave };

// The standard file dialog with the filter of workpiece image files; a name
// typed without an extension gets ".map". startFolder is asked each time.
ChooseFile WorkpieceFileDialog(QWidget* parent, FileDialogKind kind, std::function<QString()> startFolder);

// Replaces the workpiece with a chosen image (refused while a program runs).
void OpenWorkpiece(Lathe& lathe, const ChooseFile& choose, RecentFiles* recent);

// Writes the workpiece to a chosen file. The old file is replaced only by a
// completely written new one; a failure is reported, a cancel is not.
void SaveWorkpiece(Lathe& lathe, const ChooseFile& choose, RecentFiles* recent);

}  // namespace zan::gui
