#include "core/text/utf8.h"

namespace zan {

char32_t NextCodePoint(std::string_view utf8, std::size_t& at)
{
    const unsigned char lead = static_cast<unsigned char>(utf8[at]);
    if (lead < 0x80) {
        ++at;
        return lead;
    }
    int extra = 0;
    char32_t c = 0;
    if (lead >= 0xC0 && lead < 0xE0) extra = 1, c = lead & 0x1F;
    else if (lead >= 0xE0 && lead < 0xF0) extra = 2, c = lead & 0x0F;
    else if (lead >= 0xF0 && lead < 0xF8) extra = 3, c = lead & 0x07;
    if (extra == 0 || at + extra >= utf8.size()) {
        ++at;
        return U'\uFFFD';
    }
    for (int k = 1; k <= extra; ++k) {
        const unsigned char next = static_cast<unsigned char>(utf8[at + k]);
        if ((next & 0xC0) != 0x80) {
            ++at;
            return U'\uFFFD';
        }
        c = (c << 6) | (next & 0x3F);
    }
    // The shortest form only, and no surrogate halves or code points past
    // Unicode's last: what the C library's decoder (and Unicode) accept.
    constexpr char32_t kLeast[] = {0, 0x80, 0x800, 0x10000};
    if (c < kLeast[extra] || (c >= 0xD800 && c < 0xE000) || c > 0x10FFFF) {
        ++at;
        return U'\uFFFD';
    }
    at += extra + 1;
    return c;
}

}  // namespace zan
