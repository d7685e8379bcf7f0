#include "core/lcd/lcd_screen.h"

namespace zan {

CellSize CellOf(LcdFont font)
{
    switch (font) {
    case LcdFont::Large: return {16, 24};
    case LcdFont::Wide: return {10, 12};
    default: return {6, 12};
    }
}

int CellCount(std::string_view utf8)
{
    int cells = 0;
    for (unsigned char c : utf8) {
        if (c < 0x80) ++cells;             // ASCII: one cell
        else if ((c & 0xC0) == 0xC0) cells += 2;  // the lead byte of any wider character: two
    }
    return cells;
}

Rect TextRect(const LcdText& text)
{
    const CellSize cell = CellOf(text.font);
    return Rect{text.x, text.y, text.x + CellCount(text.text) * cell.width, text.y + cell.height};
}

void LcdScreen::Begin() { ops_.clear(); }

void LcdScreen::ClearBody() { ops_.push_back(Op{Op::Kind::ClearBody, {}}); }

// Text is opaque: a text hides every earlier text it covers whole, which
// is dropped, so that a read-out redrawn on every key (the program length,
// the position) does not pile up.
void LcdScreen::Text(int x, int y, std::string_view text, LcdVideo video, LcdFont font)
{
    LcdText drawn{x, y, font, video, std::string(text)};
    const Rect covers = TextRect(drawn);
    std::erase_if(ops_, [&covers](const Op& op) {
        if (op.kind != Op::Kind::Text) return false;
        const Rect r = TextRect(op.text);
        return r.left >= covers.left && r.top >= covers.top && r.right <= covers.right && r.bottom <= covers.bottom;
    });
    ops_.push_back(Op{Op::Kind::Text, std::move(drawn)});
}

std::vector<LcdText> LcdScreen::Texts() const
{
    std::vector<LcdText> texts;
    for (const Op& op : ops_)
        if (op.kind == Op::Kind::Text) texts.push_back(op.text);
    return texts;
}

}  // namespace zan
