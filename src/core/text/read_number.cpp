#include "core/text/read_number.h"

namespace zan {

namespace {

int At(std::string_view row, int column)
{
    if (column < 0 || column >= static_cast<int>(row.size())) return 0;
    return static_cast<unsigned char>(row[column]);
}

bool EndsInteger(int c) { return c == ' ' || c == '.' || c == 0; }

}  // namespace

double ReadNumber(std::string_view row, int letter)
{
    int start = letter;
    double sign = 1.0;
    if (At(row, letter + 1) == '-') {
        sign = -1.0;
        start = letter + 1;
    }
    int end = -1;
    for (int c = start + 1; c <= start + 9; ++c) {
        if (EndsInteger(At(row, c))) {
            end = c;
            break;
        }
    }
    if (end < 0) return sign * 0.0;  // nine or more digits: not a number the controller takes

    // Digits are not checked: each counts as its character code minus '0'.
    long long integer = 0;
    for (int c = start + 1; c < end; ++c) integer = integer * 10 + (At(row, c) - '0');

    long long thousandths = 0;
    if (At(row, end) == '.') {
        int weight = 100;
        for (int c = end + 1; c <= end + 3; ++c, weight /= 10) {
            const int ch = At(row, c);
            if (ch < '0' || ch > '9') break;
            thousandths += (ch - '0') * weight;
        }
    }
    return sign * (static_cast<double>(integer) + static_cast<double>(thousandths) / 1000.0);
}

std::optional<int> ReadCode(std::string_view row, int letter)
{
    const int c1 = At(row, letter + 1);
    const int c2 = At(row, letter + 2);
    const int c3 = At(row, letter + 3);
    const int twoDigits = 10 * (c1 - '0') + (c2 - '0');
    if (c3 == ' ') return twoDigits;
    if (c2 == ' ' || c2 == 0) return c1 - '0';
    if (c3 == 0) return twoDigits;
    return std::nullopt;
}

}  // namespace zan
