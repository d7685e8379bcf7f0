#include "gui/lathe/view_text.h"

#include <QFontMetrics>
#include <QPainter>

namespace zan::gui {

QFont ViewFont()
{
    QFont font(QStringLiteral("WenQuanYi Bitmap Song"));
    font.setStyleHint(QFont::TypeWriter);
    font.setPixelSize(16);
    return font;
}

QRect DrawViewText(QImage& image, const QRect& clip, QPoint at, std::string_view text, QColor ink, QColor paper,
                   const QFont& font)
{
    const QString line = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    const QFontMetrics metrics(font);
    const QRect covered = QRect(at, QSize(metrics.horizontalAdvance(line), metrics.height())) & clip;
    if (covered.isEmpty()) return {};
    QPainter p(&image);
    p.setClipRect(covered);
    p.fillRect(covered, paper);
    p.setFont(font);
    p.setPen(ink);
    p.drawText(at.x(), at.y() + metrics.ascent(), line);
    return covered;
}

}  // namespace zan::gui
