#pragma once
// A value a student typed into one of the panel's boxes. A program's text is
// read by ReadNumber, which takes any character for a digit (stored programs
// rely on that); a typed value must be exactly one number, or a slip such as
// the letter O for a zero would move the tool to a place nobody typed.

#include <string_view>

namespace zan {

enum class Typed {
    Nothing,     // an empty box
    NotANumber,  // characters other than one number
    TooLarge,    // more integer digits than the controller reads (a ninth reads as 0)
    Number,
};

struct TypedValue {
    Typed kind = Typed::Nothing;
    double value = 0.0;  // for Number only
};

// The characters a typed value is made of: digits, and the minus and the
// point the panel's keys type besides.
inline bool IsDigit(char ch) { return ch >= '0' && ch <= '9'; }
inline bool IsValueChar(char ch) { return IsDigit(ch) || ch == '-' || ch == '.'; }

// One number: a minus sign or none, digits, and a point with more digits or
// none; at least one digit. Only three decimals count, the rest is dropped,
// as the controller reads them.
TypedValue ReadTyped(std::string_view text);

// The block number of an editor line: the digits from its second character
// on, up to the first character that is not a digit ("N0010 G00" gives 10,
// "N0000M03" gives 0, "G01" gives 1).
int ReadBlockNumber(std::string_view line);

}  // namespace zan
