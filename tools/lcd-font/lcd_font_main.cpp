// zan400lt-lcd-font OUTPUT
// Draws every glyph the LCD shows from the system's fonts (the Debian
// packages fonts-dejavu-core, xfonts-wqy and fonts-wqy-zenhei) and writes
// the LCD's bitmap font file (core/lcd/lcd_font_format.h) to OUTPUT. The
// file is committed as resources/lcd_font/lcd_font.bin; ctest lcd_font_data
// checks that this program still writes it byte for byte.
//
// Characters: ASCII 0x20 to 0x7E in the three fonts at 1 and 2 image pixels
// per LCD pixel, and every character of GB2312 (the controller's texts and
// its program files hold no others) in the normal and wide fonts' Chinese
// faces at 1 and 2. The large font shows only the position read-out (letters
// and digits): for its Chinese it has the normal font's at ratio 2 (Zen Hei,
// 24 image pixels) at ratio 1, and the core enlarges those at ratio 2. The
// box-drawing characters of the mode bar are drawn by the core as lines and
// are not stored.

#include <QGuiApplication>
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iconv.h>
#include <vector>

#include "core/lcd/lcd_boxes.h"
#include "font_tables.h"
#include "glyph_painter.h"

namespace zan::lcdfont {
namespace {

constexpr char32_t kFirstAscii = 0x20, kLastAscii = 0x7E;
// GB2312's characters are the byte pairs of these rows and columns.
constexpr int kFirstGbByte = 0xA1, kLastGbRow = 0xF7, kLastGbColumn = 0xFE;

// Every character GB2312 defines, ascending, the box-drawing ones left out.
std::vector<char32_t> Gb2312Characters()
{
    std::vector<char32_t> codes;
    iconv_t cd = iconv_open("UTF-32LE", "GB2312");
    if (cd == reinterpret_cast<iconv_t>(-1)) return codes;
    for (int row = kFirstGbByte; row <= kLastGbRow; ++row)
        for (int col = kFirstGbByte; col <= kLastGbColumn; ++col) {
            char in[2] = {static_cast<char>(row), static_cast<char>(col)};
            unsigned char out[4] = {};
            char* from = in;
            char* to = reinterpret_cast<char*>(out);
            std::size_t inLeft = 2, outLeft = 4;
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
            if (iconv(cd, &from, &inLeft, &to, &outLeft) == static_cast<std::size_t>(-1) || outLeft != 0) continue;
            const char32_t c = out[0] | (out[1] << 8) | (out[2] << 16) | (char32_t(out[3]) << 24);
            if (!IsBoxCharacter(c)) codes.push_back(c);
        }
    iconv_close(cd);
    std::sort(codes.begin(), codes.end());
    codes.erase(std::unique(codes.begin(), codes.end()), codes.end());
    return codes;
}

// The cells of `codes` in a font at a ratio. Inverse video must be normal
// video with the colours swapped, as the core draws it: else an empty list.
std::vector<Bitmap> Cells(const GlyphPainter& painter, const std::vector<char32_t>& codes, LcdFont font, int ratio)
{
    std::vector<Bitmap> cells;
    for (char32_t c : codes) {
        cells.push_back(InkOf(painter.Draw(c, font, LcdVideo::Normal, ratio)));
        Bitmap inverse = InkOf(painter.Draw(c, font, LcdVideo::Inverse, ratio));
        inverse.ink.flip();
        if (inverse != cells.back()) {
            std::fprintf(stderr, "U+%04X: inverse video is not normal video swapped\n", unsigned(c));
            return {};
        }
    }
    return cells;
}

std::vector<char32_t> AsciiCharacters()
{
    std::vector<char32_t> codes;
    for (char32_t c = kFirstAscii; c <= kLastAscii; ++c) codes.push_back(c);
    return codes;
}

// A Chinese font's glyph lies this many LCD pixels right of its cell's left
// edge in a shared table's use: centred in the wide and large fonts' cells.
constexpr int kWideChineseX = 4;
constexpr int kLargeChineseX = 4;

bool Build(const GlyphPainter& painter, FontTables& font)
{
    const std::vector<char32_t> ascii = AsciiCharacters();
    for (int ratio : kLcdFontRatios)
        for (LcdFont f : {LcdFont::Normal, LcdFont::Large, LcdFont::Wide}) {
            const std::vector<Bitmap> cells = Cells(painter, ascii, f, ratio);
            if (cells.empty()) return false;
            font.AddUse({f, ratio, LcdScript::Ascii, {{font.AddTable(ascii, cells), 0}}});
        }
    const std::vector<char32_t> chinese = Gb2312Characters();
    if (chinese.empty()) return false;
    // The Song face at 12 pixels: the normal font's Chinese at ratio 1 and the wide font's.
    const std::vector<Bitmap> song = Cells(painter, chinese, LcdFont::Normal, 1);
    // Zen Hei at 24 pixels: the normal font's at ratio 2, the large font's at 1, the wide font's at 2.
    const std::vector<Bitmap> hei = Cells(painter, chinese, LcdFont::Normal, 2);
    const std::vector<Bitmap> wide1 = Cells(painter, chinese, LcdFont::Wide, 1);
    const std::vector<Bitmap> wide2 = Cells(painter, chinese, LcdFont::Wide, 2);
    if (song.empty() || hei.empty() || wide1.empty() || wide2.empty()) return false;
    const int songTable = font.AddTable(chinese, song);
    const int heiTable = font.AddTable(chinese, hei);
    font.AddUse({LcdFont::Normal, 1, LcdScript::Chinese, {{songTable, 0}}});
    font.AddUse({LcdFont::Normal, 2, LcdScript::Chinese, {{heiTable, 0}}});
    // Drawn apart, the large font's Zen Hei at 24 pixels differs from the
    // normal font's at 12 drawn twice as large (hinting) in most cells. The
    // large font shows no Chinese, so it takes the latter rather than a table
    // of its own.
    font.AddUse({LcdFont::Large, 1, LcdScript::Chinese, {{heiTable, kLargeChineseX}}});
    const int own = font.AddSharedUse({LcdFont::Wide, 1, LcdScript::Chinese, {}}, songTable, kWideChineseX, wide1) +
                    font.AddSharedUse({LcdFont::Wide, 2, LcdScript::Chinese, {}}, heiTable, 2 * kWideChineseX, wide2);
    std::fprintf(stderr, "%zu Chinese characters, %d cells kept apart from their shared face\n", chinese.size(), own);
    return true;
}

}  // namespace
}  // namespace zan::lcdfont

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: zan400lt-lcd-font OUTPUT\n");
        return 2;
    }
    const zan::lcdfont::GlyphPainter painter;
    const QString missing = painter.MissingFaces();
    if (!missing.isEmpty()) {
        std::fprintf(stderr, "faces missing (install fonts-dejavu-core, xfonts-wqy, fonts-wqy-zenhei):\n%s",
                     qPrintable(missing));
        return 1;
    }
    zan::lcdfont::FontTables font;
    if (!zan::lcdfont::Build(painter, font)) return 1;
    const std::string bytes = font.Serialise();
    std::ofstream out(argv[1], std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
