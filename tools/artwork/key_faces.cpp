// Key faces: a lit cap in the key's colour with its legend. Chinese legends
// use the 12-pixel bitmap Song face when they fit (crisp, like the LCD) and
// a scaled Zen Hei otherwise; Latin legends use DejaVu, sized to fit. On a
// face too low for two lines only the English word is kept.

#include <QFontMetricsF>
#include <QString>

#include "key_art.h"
#include "panel_art.h"

namespace zan::artwork {

namespace {

constexpr int kHidden = 4;           // columns under the key's frame, never seen
constexpr int kBitmapSongPx = 12;    // the bitmap Song face exists at 12 pixels
constexpr int kTwoLineHeight = 20;   // faces lower than this keep one line

struct CapColours {
    QColor top;
    QColor bottom;
    QColor edge;
    QColor ink;
};

CapColours ColoursOf(Cap cap)
{
    switch (cap) {
    case Cap::Ivory: return {QColor(252, 250, 240), QColor(214, 208, 190), QColor(120, 114, 100), QColor(30, 30, 30)};
    case Cap::Slate: return {QColor(104, 112, 126), QColor(58, 64, 76), QColor(24, 26, 32), QColor(250, 250, 250)};
    case Cap::Blue: return {QColor(92, 140, 206), QColor(40, 82, 150), QColor(18, 36, 72), QColor(255, 255, 255)};
    case Cap::Red: return {QColor(226, 92, 80), QColor(160, 36, 30), QColor(80, 14, 10), QColor(255, 255, 255)};
    case Cap::Green: return {QColor(110, 196, 110), QColor(38, 128, 48), QColor(14, 60, 20), QColor(255, 255, 255)};
    case Cap::Amber: return {QColor(252, 206, 92), QColor(214, 140, 24), QColor(110, 64, 6), QColor(40, 24, 0)};
    case Cap::Grey: break;
    }
    return {QColor(226, 228, 232), QColor(168, 172, 180), QColor(82, 86, 94), QColor(24, 24, 28)};
}

bool IsAscii(const QString& text)
{
    for (QChar c : text)
        if (c.unicode() >= 0x80) return false;
    return true;
}

// The largest face of `family` from maxPx down whose text fits the width.
QFont Fitted(const QString& family, bool bold, const QString& text, int maxPx, qreal width)
{
    QFont font(family);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferFullHinting);
    for (int px = maxPx; px > 5; --px) {
        font.setPixelSize(px);
        if (QFontMetricsF(font).horizontalAdvance(text) <= width) break;
    }
    return font;
}

QFont ChineseFont(const QString& text, qreal width)
{
    QFont song(QStringLiteral("WenQuanYi Bitmap Song"));
    song.setPixelSize(kBitmapSongPx);
    song.setStyleStrategy(QFont::NoAntialias);
    if (QFontMetricsF(song).horizontalAdvance(text) <= width + 1) return song;  // the last column is blank
    return Fitted(QStringLiteral("WenQuanYi Zen Hei"), false, text, kBitmapSongPx - 1, width);
}

QFont LatinFont(const QString& text, int maxPx, qreal width)
{
    return Fitted(QStringLiteral("DejaVu Sans Condensed"), true, text, maxPx, width);
}

void Text(QPainter& p, const QRectF& box, const QString& text, const QFont& font, const QColor& ink)
{
    p.setFont(font);
    p.setPen(ink);
    p.setRenderHint(QPainter::TextAntialiasing, !(font.styleStrategy() & QFont::NoAntialias));
    p.drawText(box, Qt::AlignCenter, text);
}

void DrawCap(QPainter& p, const QRectF& cap, const CapColours& c)
{
    QLinearGradient light(0, cap.top(), 0, cap.bottom());
    light.setColorAt(0.0, c.top);
    light.setColorAt(1.0, c.bottom);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(c.edge, 1.0));
    p.setBrush(light);
    p.drawRoundedRect(cap, 2.5, 2.5);
    // A highlight along the top edge: the cap is lit from above.
    p.setPen(QPen(QColor(255, 255, 255, 110), 1.0));
    p.drawLine(QPointF(cap.left() + 2.5, cap.top() + 1), QPointF(cap.right() - 2.5, cap.top() + 1));
}

// A letter or digit, large; a second function small in the top right corner
// where there is room.
void DrawLetter(QPainter& p, const QRectF& area, const Legend& legend, const QColor& ink)
{
    const QString first = QString::fromUtf8(legend.first);
    const QString second = QString::fromUtf8(legend.second);
    if (second.isEmpty() || area.height() < kTwoLineHeight) {  // no room for the second function
        Text(p, area, first, Fitted(QStringLiteral("DejaVu Sans"), true, first, int(area.height() * 0.72), area.width()), ink);
        return;
    }
    const QRectF big(area.left(), area.top() + area.height() * 0.25, area.width() * 0.62, area.height() * 0.75);
    const QRectF small(area.left() + area.width() * 0.55, area.top(), area.width() * 0.45, area.height() * 0.5);
    Text(p, big, first, Fitted(QStringLiteral("DejaVu Sans"), true, first, int(big.height() * 0.8), big.width()), ink);
    Text(p, small, second, LatinFont(second, int(small.height() * 0.8), small.width()), ink);
}

// The Chinese word above the English one; a low face keeps only the English.
void DrawTwoLines(QPainter& p, const QRectF& area, const Legend& legend, const QColor& ink)
{
    const QString first = QString::fromUtf8(legend.first);
    const QString second = QString::fromUtf8(legend.second);
    if (area.height() < kTwoLineHeight) {
        const QString kept = second.isEmpty() ? first : second;
        const QFont font = IsAscii(kept) ? LatinFont(kept, 9, area.width()) : ChineseFont(kept, area.width());
        Text(p, area, kept, font, ink);
        return;
    }
    const qreal split = area.top() + area.height() * 0.54;
    const QRectF upper(area.left(), area.top(), area.width(), split - area.top());
    const QRectF lower(area.left(), split, area.width(), area.bottom() - split);
    Text(p, upper.adjusted(0, 1, 0, 0), first, IsAscii(first) ? LatinFont(first, 12, area.width()) : ChineseFont(first, area.width()), ink);
    Text(p, lower, second, IsAscii(second) ? LatinFont(second, 9, area.width()) : ChineseFont(second, area.width()), ink);
}

// A symbol alone, or with a caption: short Latin captions beside it, others
// above; a low face keeps the symbol alone.
void DrawMarked(QPainter& p, const QRectF& area, const Legend& legend, const QColor& ink)
{
    const QString caption = QString::fromUtf8(legend.first);
    if (caption.isEmpty() || area.height() < kTwoLineHeight) {
        DrawMark(p, area.adjusted(1, 1, -1, -1), legend.mark, ink);
        return;
    }
    if (IsAscii(caption) && caption.size() <= 2) {
        const QRectF text(area.left(), area.top(), area.width() * 0.5, area.height());
        const QRectF mark(area.left() + area.width() * 0.5, area.top(), area.width() * 0.5, area.height());
        Text(p, text, caption, LatinFont(caption, 11, text.width()), ink);
        DrawMark(p, mark.adjusted(0, 3, -1, -3), legend.mark, ink);
        return;
    }
    const QRectF text(area.left(), area.top(), area.width(), kBitmapSongPx + 1);
    const QRectF mark(area.left(), text.bottom(), area.width(), area.bottom() - text.bottom());
    Text(p, text, caption, IsAscii(caption) ? LatinFont(caption, 9, area.width()) : ChineseFont(caption, area.width()), ink);
    DrawMark(p, mark, legend.mark, ink);
}

}  // namespace

QSize FaceSize(QSize keySize) { return QSize(keySize.width() - 6, keySize.height() - 4); }

QImage KeyFace(int face, QSize size)
{
    const Legend& legend = LegendOf(face);
    const CapColours colours = ColoursOf(legend.cap);
    // Transparent round the cap, so its corners show the key's own frame colour.
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    const QRectF cap(kHidden + 0.5, 0.5, size.width() - kHidden - 1, size.height() - 1);
    DrawCap(p, cap, colours);
    const QRectF area = cap.adjusted(1, 1, -1, -1);
    if (legend.mark != Mark::None)
        DrawMarked(p, area, legend, colours.ink);
    else if (IsAscii(QString::fromUtf8(legend.first)) && QString::fromUtf8(legend.first).size() == 1)
        DrawLetter(p, area, legend, colours.ink);
    else
        DrawTwoLines(p, area, legend, colours.ink);
    return image;
}

}  // namespace zan::artwork
