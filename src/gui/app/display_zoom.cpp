#include "gui/app/display_zoom.h"

#include <QActionGroup>
#include <QMenu>
#include <algorithm>

namespace zan::gui {

namespace {
const QString kZoomKey = QStringLiteral("Display/Zoom");
}  // namespace

qreal SavedZoom(QSettings& settings)
{
    const qreal zoom = settings.value(kZoomKey, 1.0).toDouble();
    return std::find(kZooms.begin(), kZooms.end(), zoom) != kZooms.end() ? zoom : 1.0;
}

void SaveZoom(QSettings& settings, qreal zoom)
{
    settings.setValue(kZoomKey, zoom);
    settings.sync();
}

QMenu* ZoomMenu(QWidget* parent, qreal current, std::function<void(qreal)> chosen)
{
    auto* menu = new QMenu(QStringLiteral("面板与视图大小(&Z)"), parent);
    auto* group = new QActionGroup(menu);
    for (std::size_t i = 0; i < kZooms.size(); ++i) {
        const qreal zoom = kZooms[i];
        QAction* item = menu->addAction(QStringLiteral("%1 倍(&%2)").arg(zoom).arg(i + 1));
        item->setCheckable(true);
        item->setChecked(zoom == current);
        group->addAction(item);
        QObject::connect(item, &QAction::triggered, menu, [chosen, zoom] { chosen(zoom); });
    }
    return menu;
}

}  // namespace zan::gui
