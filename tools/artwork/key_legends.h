#pragma once
// What each key face shows: its cap colour, its legends and its symbol, by
// face picture number (the numbers of the key table).

namespace zan::artwork {

enum class Cap { Ivory, Grey, Slate, Blue, Red, Green, Amber };

// Symbols drawn instead of, or below, a legend.
enum class Mark {
    None,
    ArrowUp, ArrowDown, ArrowLeft, ArrowRight,  // cursor and jog keys
    TriangleUp, TriangleDown,                   // page and override keys
    TurnCw, TurnCcw, Stop,                      // spindle
    Home, Zero,                                 // reference point, machine zero
    Drop,                                       // coolant
    Hold, Start,                                // feed hold, cycle start
    Rapid,                                      // rapid traverse
};

struct Legend {
    int face;
    Cap cap;
    // A letter or digit drawn large, or the Chinese word of a two-line key,
    // or the caption above a symbol.
    const char* first;
    // The second function of a letter key (small, top right), or the English
    // word under the Chinese one. Empty when there is none.
    const char* second;
    Mark mark;
};

// The legend of a face number; a blank grey key for an unknown one.
const Legend& LegendOf(int face);

}  // namespace zan::artwork
