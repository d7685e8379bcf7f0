#pragma once
// Reading UTF-8 text one character at a time, for drawing it: the LCD and the
// lathe view both lay out their texts character by character.

#include <cstddef>
#include <string_view>

namespace zan {

// The next code point of a UTF-8 text from byte `at`, which it moves on.
// A malformed sequence gives U+FFFD and moves one byte.
char32_t NextCodePoint(std::string_view utf8, std::size_t& at);

}  // namespace zan
