#pragma once
// How large the operator panel, its key pad and the lathe view are drawn: 1,
// 1.5, 2 or 3 window pixels a pixel, for a projector or a large screen.
// Chosen from the menu and kept in the program's settings with the list of
// recent files.

#include <QSettings>
#include <array>
#include <functional>

class QMenu;
class QWidget;

namespace zan::gui {

inline constexpr std::array<qreal, 4> kZooms{1, 1.5, 2, 3};

// The zoom kept in the settings; 1 when none is, or one not offered.
qreal SavedZoom(QSettings& settings);
void SaveZoom(QSettings& settings, qreal zoom);

// The menu "面板与视图大小": one checkable item a zoom, the current one checked;
// choosing one calls `chosen` with it.
QMenu* ZoomMenu(QWidget* parent, qreal current, std::function<void(qreal)> chosen);

}  // namespace zan::gui
