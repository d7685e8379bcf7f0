#pragma once
// The toolbar's pictures, drawn in code at the toolbar's button size of
// 19 x 17 pixels, and the program's icon.

#include <QIcon>
#include <QRgb>
#include <QSize>

namespace zan::gui {

inline constexpr QSize kToolbarIconSize{19, 17};

// The picture of a toolbar command; a blank picture for any other command.
QIcon ToolbarIcon(int commandId);

// A colour that only the command's picture uses on the whole window, so a
// screen capture shows where its button is (the end-to-end test finds
// buttons this way). Zero for commands without a picture.
QRgb ToolbarAccent(int commandId);

// A lathe chuck holding a workpiece: the window's and the version box's icon.
QIcon ProgramIcon();

}  // namespace zan::gui
