#include "core/text/format_fixed.h"

#include <algorithm>
#include <cmath>

namespace zan {

namespace {

// Values beyond this many units of the last decimal do not fit the integer
// arithmetic below; nothing the controller shows comes near it.
constexpr double kLargestUnits = 1e17;

// Decimal digits of n, left-padded with zeros to `width`.
std::string Padded(long long n, int width)
{
    std::string digits = n == 0 ? std::string() : std::to_string(n);
    if (static_cast<int>(digits.size()) < width) digits.insert(0, width - digits.size(), '0');
    return digits;
}

// |value| in units of the last decimal, truncated. A value read as 7.347 is
// held as 7.34699999..., so truncating the raw product would show 7.346 and a
// parameter written and read back would lose a thousandth each time; the
// tolerance absorbs only that representation error.
long long TruncatedUnits(double magnitude, long long scale)
{
    const double units = magnitude * static_cast<double>(scale);
    const double tolerance = std::max(1e-9, units * 1e-12);
    return static_cast<long long>(std::floor(units + tolerance));
}

}  // namespace

std::string FormatFixed(double value, int intDigits, int decimals, bool signSpace)
{
    decimals = std::clamp(decimals, 0, 9);
    long long scale = 1;
    for (int i = 0; i < decimals; ++i) scale *= 10;
    // NaN and infinities show as zero rather than as garbage digits.
    if (!std::isfinite(value)) value = 0.0;

    const double magnitude = std::min(std::fabs(value), kLargestUnits / static_cast<double>(scale));
    const long long units = TruncatedUnits(magnitude, scale);

    std::string text;
    if (value < 0)
        text += '-';
    else if (signSpace)
        text += ' ';
    text += Padded(units / scale, intDigits);
    if (decimals > 0) {
        const std::string fraction = Padded(units % scale, decimals);
        text += '.';
        text += fraction;
    }
    return text;
}

}  // namespace zan
