#pragma once
// The simulated LCD as content, not pixels: what one redraw puts on the
// screen, in drawing order. The desktop program renders the list onto the
// panel's backing image; tests and key scripts read it as text.
//
// Positions are pixels of the panel window's client area; a text position is
// the top-left corner of its first cell. A cell of the normal font is 6 x 12
// pixels and a GB2312 Chinese character (any character beyond ASCII) takes
// two cells. Text is opaque: each cell is filled with its background colour.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/lathe/geometry.h"

namespace zan {

inline constexpr Rgb kLcdBlue = 0x5331B3;   // RGB(83, 49, 179)
inline constexpr Rgb kLcdWhite = 0xFFFFFF;

// Body rectangle cleared at the start of most mode screens (right and bottom exclusive).
inline constexpr Rect kLcdBody{23, 57, 265, 193};
// The whole screen area, repainted before a redraw with code 101.
inline constexpr Rect kLcdArea{23, 45, 265, 200};

enum class LcdFont { Normal, Large, Wide };  // cells 6 x 12, 16 x 24, 10 x 12
enum class LcdVideo { Normal, Inverse };     // white on blue, or blue on white

struct LcdText {
    int x = 0;
    int y = 0;
    LcdFont font = LcdFont::Normal;
    LcdVideo video = LcdVideo::Normal;
    std::string text;  // UTF-8
    friend bool operator==(const LcdText&, const LcdText&) = default;
};

// Cell size of a font, in pixels.
struct CellSize {
    int width;
    int height;
};
CellSize CellOf(LcdFont font);

// Cells a text takes: one per ASCII character, two per other character.
int CellCount(std::string_view utf8);

// The rectangle a text covers.
Rect TextRect(const LcdText& text);

// What was drawn since the last full redraw began (a partial draw, such as
// a new title, adds to it), in drawing order.
class LcdScreen {
public:
    void Begin();             // a new redraw: nothing drawn yet
    void ClearBody();         // fill the body rectangle with LCD blue
    void Text(int x, int y, std::string_view text, LcdVideo video = LcdVideo::Normal, LcdFont font = LcdFont::Normal);

    struct Op {
        enum class Kind { ClearBody, Text } kind;
        LcdText text;  // for Kind::Text
    };
    const std::vector<Op>& ops() const { return ops_; }
    // The texts alone, in drawing order.
    std::vector<LcdText> Texts() const;

private:
    std::vector<Op> ops_;
};

}  // namespace zan
