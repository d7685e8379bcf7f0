#include "gui/app/toolbar_icons.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygon>

#include "gui/app/command_ids.h"

namespace zan::gui {

namespace {

const QColor kInk(48, 48, 48);       // outlines
const QColor kSteel(150, 150, 158);  // jaws and workpieces

using Draw = void (*)(QPainter&, const QColor& accent);

struct IconSpec {
    int command;
    QRgb accent;
    Draw draw;
};

void Arrow(QPainter& p, QPoint from, QPoint to, const QColor& colour)
{
    p.setPen(QPen(colour, 1));
    p.drawLine(from, to);
    const int dx = (to.x() > from.x()) - (to.x() < from.x());
    const int dy = (to.y() > from.y()) - (to.y() < from.y());
    // Two-pixel barbs at right angles to the shaft.
    p.drawLine(to, to - QPoint(2 * dx - 2 * dy, 2 * dy - 2 * dx));
    p.drawLine(to, to - QPoint(2 * dx + 2 * dy, 2 * dy + 2 * dx));
}

void DrawOpen(QPainter& p, const QColor& accent)
{
    p.setPen(kInk);
    p.setBrush(accent.darker(130));
    p.drawRect(1, 3, 14, 11);  // back of the folder
    p.drawRect(1, 2, 6, 1);    // tab
    p.setBrush(accent);
    p.drawPolygon(QPolygon({QPoint(1, 14), QPoint(4, 7), QPoint(18, 7), QPoint(15, 14)}));
}

void DrawSave(QPainter& p, const QColor& accent)
{
    p.setPen(kInk);
    p.setBrush(accent);
    p.drawRect(2, 1, 14, 14);
    p.setBrush(Qt::white);
    p.drawRect(5, 2, 8, 5);   // label
    p.setBrush(kSteel);
    p.drawRect(5, 10, 8, 5);  // shutter
    p.fillRect(10, 11, 2, 3, kInk);
}

void DrawCycleStart(QPainter& p, const QColor& accent)
{
    p.setPen(kInk);
    p.setBrush(accent);
    p.drawPolygon(QPolygon({QPoint(4, 1), QPoint(16, 8), QPoint(4, 15)}));
}

void DrawFeedHold(QPainter& p, const QColor& accent)
{
    p.setPen(kInk);
    p.setBrush(accent);
    p.drawRect(4, 2, 4, 12);
    p.drawRect(11, 2, 4, 12);
}

// Two jaws around a workpiece with arrows pointing away from it or toward it.
void DrawJaws(QPainter& p, int gap, bool outward, const QColor& accent)
{
    p.setPen(kInk);
    p.setBrush(kSteel);
    p.drawRect(3, 8 - gap - 4, 6, 4);  // upper jaw
    p.drawRect(3, 8 + gap, 6, 4);      // lower jaw
    p.fillRect(1, 7, 17, 3, kSteel.darker(120));  // workpiece
    Arrow(p, QPoint(14, outward ? 5 : 0), QPoint(14, outward ? 0 : 5), accent);
    Arrow(p, QPoint(14, outward ? 11 : 16), QPoint(14, outward ? 16 : 11), accent);
}

void DrawRelease(QPainter& p, const QColor& accent) { DrawJaws(p, 3, true, accent); }
void DrawClamp(QPainter& p, const QColor& accent) { DrawJaws(p, 1, false, accent); }

void DrawInitialise(QPainter& p, const QColor& accent)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(accent, 2));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRect(3, 2, 13, 13), 60 * 16, 290 * 16);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(accent);
    p.setBrush(accent);
    p.drawPolygon(QPolygon({QPoint(11, 0), QPoint(16, 3), QPoint(11, 6)}));
}

void DrawTurnEndForEnd(QPainter& p, const QColor& accent)
{
    p.setPen(kInk);
    p.setBrush(kSteel);
    p.drawRect(2, 9, 9, 5);   // the larger end of a stepped workpiece
    p.drawRect(11, 10, 6, 3);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(accent, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRect(3, 1, 13, 12), 20 * 16, 140 * 16);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(accent);
    p.setBrush(accent);
    p.drawPolygon(QPolygon({QPoint(13, 3), QPoint(17, 2), QPoint(16, 6)}));
    p.drawPolygon(QPolygon({QPoint(6, 3), QPoint(2, 2), QPoint(3, 6)}));
}

void DrawSpindle(QPainter& p, const QColor& accent)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(kInk);
    p.setBrush(kSteel);
    p.drawEllipse(QRect(4, 3, 11, 11));
    p.setBrush(kInk);
    p.drawEllipse(QRect(8, 7, 3, 3));
    p.setPen(QPen(accent, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRect(1, 0, 17, 17), 100 * 16, 150 * 16);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(accent);
    p.setBrush(accent);
    p.drawPolygon(QPolygon({QPoint(5, 14), QPoint(9, 16), QPoint(9, 12)}));
}

void DrawRapidFeed(QPainter& p, const QColor& accent)
{
    p.setPen(kInk);
    p.setBrush(accent);
    p.drawPolygon(QPolygon({QPoint(1, 2), QPoint(8, 8), QPoint(1, 14)}));
    p.drawPolygon(QPolygon({QPoint(9, 2), QPoint(16, 8), QPoint(9, 14)}));
}

void DrawTrace(QPainter& p, const QColor& accent)
{
    p.setPen(QPen(accent, 1, Qt::SolidLine));
    p.drawPolyline(QPolygon({QPoint(1, 3), QPoint(8, 3), QPoint(8, 9), QPoint(13, 9), QPoint(17, 14)}));
    p.setPen(kInk);
    p.setBrush(kSteel);
    p.drawPolygon(QPolygon({QPoint(15, 14), QPoint(18, 11), QPoint(18, 16)}));  // the tool's tip
}

void DrawSecondPanel(QPainter& p, const QColor& accent)
{
    p.setPen(kInk);
    p.setBrush(QColor(220, 220, 210));
    p.drawRect(2, 0, 15, 16);
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col) p.fillRect(4 + col * 4, 3 + row * 4, 3, 3, accent);
}

// Accents are far apart and unlike the lathe's greys, the workpiece shades and
// the style's frame colours.
const IconSpec kIcons[] = {
    {cmd::kOpenImage, qRgb(232, 184, 40), DrawOpen},
    {cmd::kSaveImage, qRgb(40, 72, 184), DrawSave},
    {cmd::kCycleStart, qRgb(0, 168, 64), DrawCycleStart},
    {cmd::kFeedHold, qRgb(216, 96, 0), DrawFeedHold},
    {cmd::kReleaseWorkpiece, qRgb(0, 120, 216), DrawRelease},
    {cmd::kClampWorkpiece, qRgb(152, 0, 168), DrawClamp},
    {cmd::kInitialiseBlank, qRgb(0, 136, 136), DrawInitialise},
    {cmd::kTurnEndForEnd, qRgb(176, 112, 32), DrawTurnEndForEnd},
    {cmd::kSpindle, qRgb(200, 32, 32), DrawSpindle},
    {cmd::kRapidFeed, qRgb(96, 96, 224), DrawRapidFeed},
    {cmd::kTraceButton, qRgb(232, 0, 0), DrawTrace},
    {cmd::kSecondPanel, qRgb(64, 144, 64), DrawSecondPanel},
};

const IconSpec* Find(int commandId)
{
    for (const IconSpec& spec : kIcons)
        if (spec.command == commandId) return &spec;
    return nullptr;
}

}  // namespace

QIcon ToolbarIcon(int commandId)
{
    QImage image(kToolbarIconSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    if (const IconSpec* spec = Find(commandId)) {
        QPainter p(&image);
        spec->draw(p, QColor::fromRgb(spec->accent));
    }
    return QIcon(QPixmap::fromImage(image));
}

QRgb ToolbarAccent(int commandId)
{
    const IconSpec* spec = Find(commandId);
    return spec != nullptr ? spec->accent : 0;
}

QIcon ProgramIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48}) {
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter p(&image);
        p.scale(size / 32.0, size / 32.0);
        p.setRenderHint(QPainter::Antialiasing);
        p.fillRect(QRect(0, 2, 32, 28), QColor(20, 20, 28));
        p.fillRect(QRect(2, 6, 9, 20), QColor(120, 120, 130));    // chuck
        p.fillRect(QRect(11, 11, 19, 10), QColor(190, 190, 170)); // workpiece
        p.fillRect(QRect(11, 8, 5, 3), QColor(150, 150, 158));    // jaws
        p.fillRect(QRect(11, 21, 5, 3), QColor(150, 150, 158));
        p.setBrush(QColor(100, 100, 100));
        p.setPen(Qt::NoPen);
        p.drawPolygon(QPolygon({QPoint(22, 21), QPoint(25, 21), QPoint(27, 30), QPoint(20, 30)}));  // tool
        p.end();
        icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

}  // namespace zan::gui
