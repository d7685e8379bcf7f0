#pragma once
// How the controller reads the number after an address letter, and a G or M
// code. Used by the interpreter, the program checker, the editor and the panel.
// Reading never goes past the text: columns beyond it read as zero bytes.

#include <limits>
#include <optional>
#include <string_view>

namespace zan {

// The number after the letter at column `letter` of a program line.
// Up to eight integer digits ended by a space, "." or the end of the text (a
// ninth digit makes the value 0), then up to three decimals, the rest dropped.
double ReadNumber(std::string_view row, int letter);

// The two-digit (or one-digit) G or M code after the letter at column `letter`;
// empty when the word is a syntax error.
std::optional<int> ReadCode(std::string_view row, int letter);

// A value read from a program as an int, truncated toward zero. Eight
// "digits" that are not digits read up to about +-2.3e9, beyond int: such
// values stop at the end of int's range. NaN gives 0.
constexpr int SaturatedInt(double value)
{
    constexpr int kMax = std::numeric_limits<int>::max();
    constexpr int kMin = std::numeric_limits<int>::min();
    if (value != value) return 0;
    if (value >= kMax) return kMax;
    if (value <= kMin) return kMin;
    return static_cast<int>(value);
}

}  // namespace zan
