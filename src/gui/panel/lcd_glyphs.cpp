#include "gui/panel/lcd_glyphs.h"

#include <QPainter>
#include <algorithm>
#include <QString>

namespace zan::gui {

namespace {

// Baselines in pixels from the cell's top, per font: ASCII glyphs sit with
// their descenders inside the cell; the Song face's Chinese glyphs use rows 1..11.
constexpr int kAsciiBaseline[3] = {10, 19, 10};   // normal, large, wide (LcdFont order)
constexpr int kChineseBaseline[3] = {11, 21, 11};
// Zen Hei at 12 pixels sits as it does at 24 in the large font (21 of 24).
constexpr qreal kScaledChineseBaseline = 10.5;

// Which arms a box-drawing character has, and how thick they are (1 light, 2 heavy).
struct BoxArms {
    char32_t c;
    bool up, down, left, right;
    int weight;
};

constexpr BoxArms kBoxes[] = {
    {U'─', false, false, true, true, 1}, {U'━', false, false, true, true, 2},
    {U'│', true, true, false, false, 1}, {U'┃', true, true, false, false, 2},
    {U'┌', false, true, false, true, 1}, {U'┏', false, true, false, true, 2},
    {U'┐', false, true, true, false, 1}, {U'┓', false, true, true, false, 2},
    {U'└', true, false, false, true, 1}, {U'┗', true, false, false, true, 2},
    {U'┘', true, false, true, false, 1}, {U'┛', true, false, true, false, 2},
    {U'├', true, true, false, true, 1}, {U'┣', true, true, false, true, 2},
    {U'┤', true, true, true, false, 1}, {U'┫', true, true, true, false, 2},
    {U'┬', false, true, true, true, 1}, {U'┳', false, true, true, true, 2},
    {U'┴', true, false, true, true, 1}, {U'┻', true, false, true, true, 2},
    {U'┼', true, true, true, true, 1}, {U'╋', true, true, true, true, 2},
};

const BoxArms* BoxOf(char32_t c)
{
    for (const BoxArms& box : kBoxes)
        if (box.c == c) return &box;
    return nullptr;
}

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

// Lines through the middle of the picture, thick 1 or 2 pixels, out to the
// sides the character has arms on.
void DrawBox(QImage& image, const BoxArms& box, QRgb ink)
{
    // In LCD pixels: the painter scales them to the picture's ratio.
    const QSize size = image.deviceIndependentSize().toSize();
    const int w = size.width(), h = size.height();
    const int x0 = w / 2 - 1, y0 = h / 2 - 1, t = box.weight;
    QPainter p(&image);
    const QColor colour = QColor::fromRgb(ink);
    if (box.left) p.fillRect(QRect(0, y0, x0 + t, t), colour);
    if (box.right) p.fillRect(QRect(x0, y0, w - x0, t), colour);
    if (box.up) p.fillRect(QRect(x0, 0, t, y0 + t), colour);
    if (box.down) p.fillRect(QRect(x0, y0, t, h - y0), colour);
}

}  // namespace

bool IsBoxCharacter(char32_t c) { return BoxOf(c) != nullptr; }

LcdGlyphs::LcdGlyphs()
{
    ascii_[Index(LcdFont::Normal)] = Face("DejaVu Sans Mono", 10, 100);
    ascii_[Index(LcdFont::Wide)] = Face("DejaVu Sans Mono", 10, 167);
    ascii_[Index(LcdFont::Large)] = Face("DejaVu Sans Mono", 20, 133);
    chinese_[Index(LcdFont::Normal)] = Face("WenQuanYi Bitmap Song", 12, 100);
    chinese_[Index(LcdFont::Wide)] = Face("WenQuanYi Bitmap Song", 12, 100);
    chinese_[Index(LcdFont::Large)] = Face("WenQuanYi Zen Hei", 24, 100);
    chineseScaled_ = Face("WenQuanYi Zen Hei", 12, 100);
}

const QImage& LcdGlyphs::Glyph(char32_t c, LcdFont font, LcdVideo video, int ratio)
{
    ratio = std::clamp(ratio, 1, kMaxRatio);
    // Bits: video 0, font 1..2, ratio 3..6, the code point above.
    const std::uint64_t key = (std::uint64_t(c) << 8) | (std::uint64_t(ratio) << 3) |
                              (std::uint64_t(Index(font)) << 1) | (video == LcdVideo::Inverse ? 1u : 0u);
    auto found = cache_.find(key);
    if (found == cache_.end()) found = cache_.emplace(key, Draw(c, font, video, ratio)).first;
    return found->second;
}

QImage LcdGlyphs::Draw(char32_t c, LcdFont font, LcdVideo video, int ratio) const
{
    const CellSize cell = CellOf(font);
    const bool wide = c >= 0x80;
    const QRgb paper = 0xFF000000u | (video == LcdVideo::Inverse ? kLcdWhite : kLcdBlue);
    const QRgb ink = 0xFF000000u | (video == LcdVideo::Inverse ? kLcdBlue : kLcdWhite);
    // One column to spare on the right: see below. Sizes in LCD pixels.
    const int width = cell.width * (wide ? 2 : 1) + 1;
    QImage image(width * ratio, cell.height * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(paper);
    if (const BoxArms* box = BoxOf(c)) {
        image = image.copy(0, 0, image.width() - ratio, image.height());
        DrawBox(image, *box, ink);
        return image;
    }
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

}  // namespace zan::gui
