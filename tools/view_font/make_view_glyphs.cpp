// Renders the lathe view's font (WenQuanYi Bitmap Song, 16 pixels, as the Qt
// view drew its texts) into bitmap glyphs for the core, and writes them as a
// C++ source:
//   make_view_glyphs TEXTS OUT.cpp
// TEXTS holds the texts the view shows, one a line; the glyphs are those of
// printable ASCII and of every character in TEXTS. Each text is also drawn
// whole by Qt and compared with the glyphs put side by side, so that drawing
// from the data gives Qt's pixels exactly. Exit status 77 when the font is
// not installed (Qt would draw another one), 1 on any other failure.

#include <QFile>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QStringList>
#include <cstdio>
#include <map>
#include <vector>

namespace {

constexpr int kMissingFont = 77;
constexpr int kRowBits = 32;
constexpr int kMargin = 16;  // room left and right of a glyph for overhangs
constexpr char32_t kFirstAscii = 0x20;
constexpr char32_t kLastAscii = 0x7E;
const QString kFamily = QStringLiteral("WenQuanYi Bitmap Song");

QFont ViewFont()
{
    QFont font(kFamily);
    font.setStyleHint(QFont::TypeWriter);
    font.setPixelSize(16);
    return font;
}

struct Glyph {
    int advance = 0;
    int left = 0;
    std::vector<quint32> rows;
};

// White text on black: every pixel must be one or the other.
QImage Draw(const QFont& font, const QString& text, int width, int penX)
{
    const QFontMetrics metrics(font);
    QImage image(width, metrics.height(), QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter p(&image);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(penX, metrics.ascent(), text);
    return image;
}

bool Ink(const QImage& image, int x, int y, bool& grey)
{
    const QRgb pixel = image.pixel(x, y);
    if (pixel != 0xFF000000u && pixel != 0xFFFFFFFFu) grey = true;
    return pixel == 0xFFFFFFFFu;
}

bool MakeGlyph(const QFont& font, char32_t code, Glyph& glyph)
{
    const QString text = QString::fromUcs4(&code, 1);
    glyph.advance = QFontMetrics(font).horizontalAdvance(text);
    const QImage image = Draw(font, text, glyph.advance + 2 * kMargin, kMargin);
    bool grey = false;
    int first = image.width(), last = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (Ink(image, x, y, grey)) first = std::min(first, x), last = std::max(last, x);
    if (grey || last - first >= kRowBits) {
        std::fprintf(stderr, "U+%04X: %s\n", unsigned(code), grey ? "not a bitmap glyph" : "wider than 32 pixels");
        return false;
    }
    if (last < 0) first = kMargin;
    glyph.left = first - kMargin;
    glyph.rows.assign(image.height(), 0);
    for (int y = 0; y < image.height(); ++y)
        for (int x = first; x <= last; ++x)
            if (Ink(image, x, y, grey)) glyph.rows[y] |= 1u << (kRowBits - 1 - (x - first));
    return true;
}

// The text drawn whole by Qt against the glyphs side by side, within the
// text's advance as the view clips it.
bool SameAsQt(const QFont& font, const QString& text, const std::map<char32_t, Glyph>& glyphs)
{
    const int width = QFontMetrics(font).horizontalAdvance(text);
    const QImage whole = Draw(font, text, width, 0);
    QImage pieces(whole.size(), QImage::Format_RGB32);
    pieces.fill(Qt::black);
    int pen = 0;
    for (char32_t code : text.toUcs4()) {
        const Glyph& g = glyphs.at(code);
        for (int y = 0; y < pieces.height(); ++y)
            for (int i = 0; i < kRowBits; ++i) {
                const int x = pen + g.left + i;
                if ((g.rows[y] >> (kRowBits - 1 - i)) & 1u && x >= 0 && x < width) pieces.setPixel(x, y, 0xFFFFFFFFu);
            }
        pen += g.advance;
    }
    if (pen == width && pieces == whole) return true;
    std::fprintf(stderr, "drawn whole, \"%s\" differs from its glyphs\n", qUtf8Printable(text));
    return false;
}

QByteArray Source(const QFont& font, const std::map<char32_t, Glyph>& glyphs)
{
    const int height = QFontMetrics(font).height();
    QByteArray out;
    out += "// Made by tools/view_font/make_view_glyphs from WenQuanYi Bitmap Song at 16\n"
           "// pixels (resources/view_font: the font's licence, the texts it covers).\n"
           "// Do not edit: tools/view_font/regenerate.sh writes it anew.\n\n"
           "#include \"core/view/view_text.h\"\n\nnamespace zan {\n\nnamespace {\n\n";
    out += "// code, advance, left, first row\nconstexpr ViewGlyph kGlyphs[] = {\n";
    int row = 0;
    for (const auto& [code, g] : glyphs) {
        out += QByteArray("    {0x") + QByteArray::number(uint(code), 16).rightJustified(4, '0') + ", " +
               QByteArray::number(g.advance) + ", " + QByteArray::number(g.left) + ", " + QByteArray::number(row) + "},\n";
        row += height;
    }
    out += "};\n\n// " + QByteArray::number(height) + " rows a glyph, bit 31 leftmost\nconstexpr std::uint32_t kRows[] = {\n";
    for (const auto& [code, g] : glyphs) {
        out += "    ";
        for (quint32 r : g.rows) out += "0x" + QByteArray::number(r, 16).rightJustified(8, '0') + ",";
        out += "  // U+" + QByteArray::number(uint(code), 16).toUpper().rightJustified(4, '0') + "\n";
    }
    out += "};\n\n}  // namespace\n\nconst ViewFont& TheViewFont()\n{\n    static const ViewFont font{" +
           QByteArray::number(height) + ", kGlyphs, kRows};\n    return font;\n}\n\n}  // namespace zan\n";
    return out;
}

}  // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_view_glyphs TEXTS OUT.cpp\n");
        return 1;
    }
    const QFont font = ViewFont();
    if (QFontInfo(font).family() != kFamily) {
        std::fprintf(stderr, "the font %s is not installed (package xfonts-wqy)\n", qUtf8Printable(kFamily));
        return kMissingFont;
    }
    QFile in(QString::fromLocal8Bit(argv[1]));
    if (!in.open(QIODevice::ReadOnly)) return std::fprintf(stderr, "cannot read %s\n", argv[1]), 1;
    const QStringList texts = QString::fromUtf8(in.readAll()).split(u'\n', Qt::SkipEmptyParts);
    std::map<char32_t, Glyph> glyphs;
    std::vector<char32_t> codes;
    for (char32_t c = kFirstAscii; c <= kLastAscii; ++c) codes.push_back(c);
    for (const QString& text : texts)
        for (char32_t c : text.toUcs4()) codes.push_back(c);
    for (char32_t c : codes)
        if (!glyphs.contains(c) && !MakeGlyph(font, c, glyphs[c])) return 1;
    for (const QString& text : texts)
        if (!SameAsQt(font, text, glyphs)) return 1;
    QFile out(QString::fromLocal8Bit(argv[2]));
    if (!out.open(QIODevice::WriteOnly) || out.write(Source(font, glyphs)) < 0)
        return std::fprintf(stderr, "cannot write %s\n", argv[2]), 1;
    return 0;
}
