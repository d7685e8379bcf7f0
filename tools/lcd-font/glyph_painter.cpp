#include "glyph_painter.h"

#include <QFontInfo>
#include <QPainter>
#include <algorithm>

namespace zan::lcdfont {

namespace {

// Baselines in pixels from the cell's top, per font: ASCII glyphs sit with
// their descenders inside the cell; the Song face's Chinese glyphs use rows 1..11.
constexpr int kAsciiBaseline[3] = {10, 19, 10};   // normal, large, wide (LcdFont order)
constexpr int kChineseBaseline[3] = {11, 21, 11};
// Zen Hei at 12 pixels sits as it does at 24 in the large font (21 of 24).
constexpr qreal kScaledChineseBaseline = 10.5;


QFont Face(const char* family, int pixels, int stretch)
{
    QFont font(QString::fromLatin1(family));
    font.setPixelSize(pixels);
    font.setStretch(stretch);
    font.setHintingPreference(QFont::PreferFullHinting);
    // One face per character kind, no substitutes: a missing glyph shows as
    // the face's own blank rather than as a glyph of another size.
    font.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::NoFontMerging));
    return font;
}

}  // namespace

GlyphPainter::GlyphPainter()
{
    ascii_[Index(LcdFont::Normal)] = Face("DejaVu Sans Mono", 10, 100);
    ascii_[Index(LcdFont::Wide)] = Face("DejaVu Sans Mono", 10, 167);
    ascii_[Index(LcdFont::Large)] = Face("DejaVu Sans Mono", 20, 133);
    chinese_[Index(LcdFont::Normal)] = Face("WenQuanYi Bitmap Song", 12, 100);
    chinese_[Index(LcdFont::Wide)] = Face("WenQuanYi Bitmap Song", 12, 100);
    chinese_[Index(LcdFont::Large)] = Face("WenQuanYi Zen Hei", 24, 100);
    chineseScaled_ = Face("WenQuanYi Zen Hei", 12, 100);
}

QString GlyphPainter::MissingFaces() const
{
    QString missing;
    const auto check = [&missing](const QFont& face, int pixels) {
        const QFontInfo info(face);
        if (info.family() != face.family() || info.pixelSize() != pixels)
            missing += face.family() + QStringLiteral(" %1 px (got %2 %3 px)\n").arg(pixels).arg(info.family()).arg(info.pixelSize());
    };
    for (LcdFont font : {LcdFont::Normal, LcdFont::Wide, LcdFont::Large}) {
        check(ascii_[Index(font)], ascii_[Index(font)].pixelSize());
        check(chinese_[Index(font)], chinese_[Index(font)].pixelSize());
    }
    check(chineseScaled_, 12);
    return missing;
}

QImage GlyphPainter::Draw(char32_t c, LcdFont font, LcdVideo video, int ratio) const
{
    const QRgb paper = 0xFF000000u | (video == LcdVideo::Inverse ? kLcdWhite : kLcdBlue);
    const QRgb ink = 0xFF000000u | (video == LcdVideo::Inverse ? kLcdBlue : kLcdWhite);
    const CellSize cell = CellOf(font);
    const bool wide = c >= 0x80;
    // One column to spare on the right: see below. Sizes in LCD pixels.
    const int width = cell.width * (wide ? 2 : 1) + 1;
    QImage image(width * ratio, cell.height * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(paper);
    if (c >= 0x20 && c != 0x7F) {  // control characters leave an empty cell
        const QFont& face = wide ? ChineseFace(font, ratio) : ascii_[Index(font)];
        const QString text = QString::fromUcs4(&c, 1);
        QPainter p(&image);
        p.setFont(face);
        p.setPen(QColor::fromRgb(ink));
        // A Chinese glyph narrower than its two cells (wide and large fonts) is centred in them.
        const int x = wide ? std::max(0, (width - 1 - p.fontMetrics().horizontalAdvance(text)) / 2) : 0;
        const qreal baseline = !wide ? kAsciiBaseline[Index(font)]
                               : &face == &chineseScaled_ ? kScaledChineseBaseline
                                                          : kChineseBaseline[Index(font)];
        p.drawText(QPointF(x, baseline), text);
    }
    // DejaVu leaves the first column of a cell blank and inks the last, so in
    // inverse video a text's last letter would run into the blue beyond it.
    // Such glyphs move one pixel left: the blank column comes last, as in the
    // controller's own fixed font.
    // At a ratio above 1 a column is `ratio` image columns.
    bool firstColumnBlank = !wide;
    for (int y = 0; firstColumnBlank && y < image.height(); ++y)
        for (int x = 0; firstColumnBlank && x < ratio; ++x) firstColumnBlank = image.pixel(x, y) == paper;
    return image.copy(firstColumnBlank ? ratio : 0, 0, image.width() - ratio, image.height());
}

}  // namespace zan::lcdfont
