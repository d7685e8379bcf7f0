#include "core/lathe/blank_input.h"

namespace zan {

namespace {

constexpr std::string_view kDiameterOutOfRange = "工件直径超出允许范围!";
constexpr std::string_view kLengthOutOfRange = "工件长度超出允许范围!";
constexpr int kDiameterLimit = 200;  // mm, exclusive
constexpr int kLengthLimit = 800;    // mm, exclusive
// Only the first four characters are looked at; four of them already mean
// a size of 1000 mm or more.
constexpr std::size_t kReadChars = 4;

// One to three digits; nothing for an empty field; -1 for four or more.
std::optional<int> Field(std::string_view text)
{
    text = text.substr(0, kReadChars);
    if (text.empty()) return std::nullopt;
    if (text.size() == kReadChars) return -1;
    int value = 0;
    for (char c : text) value = value * 10 + (c - '0');
    return value;
}

}  // namespace

BlankInput ReadBlankInput(std::string_view diameterText, std::string_view lengthText)
{
    BlankInput input;
    input.diameter = Field(diameterText);
    if (input.diameter == -1) {
        input.refusal = kDiameterOutOfRange;
        return input;
    }
    input.length = Field(lengthText);
    if (input.length == -1) {
        input.refusal = kLengthOutOfRange;
        return input;
    }
    if (input.length && *input.length >= kLengthLimit)
        input.refusal = kLengthOutOfRange;
    else if (input.diameter && *input.diameter >= kDiameterLimit)
        input.refusal = kDiameterOutOfRange;
    return input;
}

}  // namespace zan
