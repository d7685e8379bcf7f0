#include "core/text/typed_value.h"

#include "core/text/read_number.h"

namespace zan {

namespace {

// Integer digits the controller's number reader takes; a ninth reads as 0.
constexpr int kReadableDigits = 8;
// A block number has four digits; more are not read, so that a long run of
// digits cannot overflow.
constexpr int kBlockNumberDigits = 8;


// The digits from `at` on; `at` moves past them.
int SkipDigits(std::string_view text, std::size_t& at)
{
    const std::size_t from = at;
    while (at < text.size() && IsDigit(text[at])) ++at;
    return static_cast<int>(at - from);
}

}  // namespace

TypedValue ReadTyped(std::string_view text)
{
    if (text.empty()) return {};
    std::size_t at = text[0] == '-' ? 1 : 0;
    const int integerDigits = SkipDigits(text, at);
    int fractionDigits = 0;
    if (at < text.size() && text[at] == '.') {
        ++at;
        fractionDigits = SkipDigits(text, at);
    }
    if (at != text.size() || integerDigits + fractionDigits == 0) return {Typed::NotANumber};
    if (integerDigits > kReadableDigits) return {Typed::TooLarge};
    // The text is one well-formed number here, which the controller's
    // reader takes as it is, sign included.
    return {Typed::Number, ReadNumber(text, -1)};
}

int ReadBlockNumber(std::string_view line)
{
    int number = 0;
    for (std::size_t i = 1; i < line.size() && i <= kBlockNumberDigits && IsDigit(line[i]); ++i)
        number = number * 10 + (line[i] - '0');
    return number;
}

}  // namespace zan
