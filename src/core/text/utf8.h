#pragma once
// Reading UTF-8 text one character at a time: the LCD and the lathe view lay
// out their texts character by character, and a save writes them as GB2312.

#include <cstddef>
#include <string_view>

namespace zan {

// The next code point of a UTF-8 text from byte `at`, which it moves on.
// A malformed sequence (also an overlong one, a surrogate half, or one past
// U+10FFFF) gives U+FFFD and moves one byte.
char32_t NextCodePoint(std::string_view utf8, std::size_t& at);

}  // namespace zan
