#include "core/files/gb2312.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "core/files/gb2312_table.h"
#include "core/text/utf8.h"

namespace zan {

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD in UTF-8
constexpr unsigned kFirstByte = 0xA1;  // both bytes of a two-byte code run 0xA1..0xFE
constexpr unsigned kSide = 94;         // rows of the table, and codes in a row

unsigned Byte(std::string_view bytes, std::size_t at) { return static_cast<unsigned char>(bytes[at]); }

// The character of the two-byte code at `at`; 0 when there is none there.
char32_t TwoByteCharacter(std::string_view bytes, std::size_t at)
{
    if (at + 1 >= bytes.size()) return 0;
    const unsigned row = Byte(bytes, at) - kFirstByte;  // wraps round below 0xA1
    const unsigned cell = Byte(bytes, at + 1) - kFirstByte;
    if (row >= kSide || cell >= kSide) return 0;
    return kGb2312Characters[row][cell];
}

void AppendUtf8(char32_t c, std::string& out)
{
    if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    }
    out += static_cast<char>(0x80 | (c & 0x3F));
}

// A character GB2312 holds, and its two bytes (first byte high).
struct Code {
    std::uint16_t character;
    std::uint16_t bytes;
};

// The table turned round, in order of characters, made once.
const std::vector<Code>& CodesByCharacter()
{
    static const std::vector<Code> codes = [] {
        std::vector<Code> list;
        for (unsigned row = 0; row < kSide; ++row) {
            for (unsigned cell = 0; cell < kSide; ++cell) {
                if (const std::uint16_t c = kGb2312Characters[row][cell]) {
                    list.push_back({c, static_cast<std::uint16_t>((kFirstByte + row) << 8 | (kFirstByte + cell))});
                }
            }
        }
        std::sort(list.begin(), list.end(), [](Code a, Code b) { return a.character < b.character; });
        return list;
    }();
    return codes;
}

// The two bytes of a character that is not ASCII; 0 when GB2312 lacks it.
std::uint16_t TwoByteCode(char32_t c)
{
    const std::vector<Code>& codes = CodesByCharacter();
    const auto found = std::lower_bound(codes.begin(), codes.end(), c,
                                        [](Code code, char32_t wanted) { return code.character < wanted; });
    return found != codes.end() && found->character == c ? found->bytes : 0;
}

}  // namespace

std::string Utf8FromGb2312(std::string_view bytes)
{
    std::string text;
    text.reserve(bytes.size());
    // A sequence GB2312 does not define, or a lone first byte at the end,
    // stands for one replacement character; the next byte starts afresh.
    for (std::size_t at = 0; at < bytes.size();) {
        if (Byte(bytes, at) < 0x80) {
            text += bytes[at++];
        } else if (const char32_t c = TwoByteCharacter(bytes, at)) {
            AppendUtf8(c, text);
            at += 2;
        } else {
            text += kReplacement;
            ++at;
        }
    }
    return text;
}

std::optional<std::string> Gb2312FromUtf8(std::string_view utf8)
{
    std::string bytes;
    bytes.reserve(utf8.size());
    // A malformed sequence reads as U+FFFD, which GB2312 lacks like any
    // other character it has no code for.
    for (std::size_t at = 0; at < utf8.size();) {
        const char32_t c = NextCodePoint(utf8, at);
        if (c < 0x80) {
            bytes += static_cast<char>(c);
            continue;
        }
        const std::uint16_t code = TwoByteCode(c);
        if (code == 0) return std::nullopt;
        bytes += static_cast<char>(code >> 8);
        bytes += static_cast<char>(code & 0xFF);
    }
    return bytes;
}

}  // namespace zan
