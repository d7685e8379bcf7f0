#pragma once
// Program files hold GB2312 text (ASCII, and Chinese characters as two
// bytes each); the fields the student types into hold UTF-8. Conversions go
// through a table of our own (gb2312_table.h), made from the C library's
// iconv, so that the desktop and the browser builds (whose C library has no
// GB2312) convert alike.

#include <optional>
#include <string>
#include <string_view>

namespace zan {

// The text of GB2312 bytes. A byte sequence GB2312 does not define becomes
// U+FFFD, which no save can write back: a damaged file is never saved over
// with guessed characters.
std::string Utf8FromGb2312(std::string_view bytes);

// The GB2312 bytes of a UTF-8 text; empty when the text holds a character
// GB2312 cannot hold (or is not UTF-8).
std::optional<std::string> Gb2312FromUtf8(std::string_view utf8);

}  // namespace zan
