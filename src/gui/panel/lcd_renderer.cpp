#include "gui/panel/lcd_renderer.h"

#include <algorithm>
#include <cstring>

namespace zan::gui {

namespace {

QRect ToQRect(const Rect& r) { return QRect(r.left, r.top, r.right - r.left, r.bottom - r.top); }

// Image pixels per window pixel: whole, so that cells stay on whole pixels.
int RatioOf(const QImage& image)
{
    return std::clamp(qRound(image.devicePixelRatio()), 1, LcdGlyphs::kMaxRatio);
}

QRect Scaled(const QRect& r, int ratio) { return QRect(r.topLeft() * ratio, r.size() * ratio); }

// The image's rectangle in window pixels.
QRect WindowRect(const QImage& image) { return QRect(QPoint(), image.size() / RatioOf(image)); }

// Copies a cell picture into the image at `at`, clipped to the image. Both
// are RGB32, so a row is one memcpy.
void Blit(const QImage& cell, QImage& target, QPoint at)
{
    const QRect to = QRect(at, cell.size()) & target.rect();
    if (to.isEmpty()) return;
    const int fromX = to.left() - at.x();
    const std::size_t bytes = static_cast<std::size_t>(to.width()) * sizeof(QRgb);
    for (int y = to.top(); y <= to.bottom(); ++y) {
        const auto* source = reinterpret_cast<const QRgb*>(cell.constScanLine(y - at.y())) + fromX;
        auto* line = reinterpret_cast<QRgb*>(target.scanLine(y)) + to.left();
        std::memcpy(line, source, bytes);
    }
}

}  // namespace

char32_t NextCodePoint(std::string_view utf8, std::size_t& at)
{
    const unsigned char lead = static_cast<unsigned char>(utf8[at]);
    if (lead < 0x80) {
        ++at;
        return lead;
    }
    int extra = 0;
    char32_t c = 0;
    if (lead >= 0xC0 && lead < 0xE0) extra = 1, c = lead & 0x1F;
    else if (lead >= 0xE0 && lead < 0xF0) extra = 2, c = lead & 0x0F;
    else if (lead >= 0xF0 && lead < 0xF8) extra = 3, c = lead & 0x07;
    if (extra == 0 || at + extra >= utf8.size()) {
        ++at;
        return U'\uFFFD';
    }
    for (int k = 1; k <= extra; ++k) {
        const unsigned char next = static_cast<unsigned char>(utf8[at + k]);
        if ((next & 0xC0) != 0x80) {
            ++at;
            return U'\uFFFD';
        }
        c = (c << 6) | (next & 0x3F);
    }
    at += extra + 1;
    return c;
}

void FillRgb(QImage& image, const QRect& rect, QRgb colour)
{
    const QRect area = rect & image.rect();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        std::fill(line + area.left(), line + area.right() + 1, colour);
    }
}

QRect LcdRenderer::Render(const LcdScreen& screen, QImage& target)
{
    QRect drawn;
    for (const LcdScreen::Op& op : screen.ops()) {
        if (op.kind == LcdScreen::Op::Kind::ClearBody) {
            FillRgb(target, Scaled(ToQRect(kLcdBody), RatioOf(target)), 0xFF000000u | kLcdBlue);
            drawn |= ToQRect(kLcdBody);
        } else {
            drawn |= DrawText(op.text, target);
        }
    }
    return drawn & WindowRect(target);
}

QRect LcdRenderer::DrawText(const LcdText& text, QImage& target)
{
    const int ratio = RatioOf(target);
    QPoint at(text.x * ratio, text.y * ratio);  // image pixels
    for (std::size_t i = 0; i < text.text.size();) {
        const QImage& cell = glyphs_.Glyph(NextCodePoint(text.text, i), text.font, text.video, ratio);
        Blit(cell, target, at);
        at.rx() += cell.width();
    }
    return ToQRect(TextRect(text));
}

}  // namespace zan::gui
