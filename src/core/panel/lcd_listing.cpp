#include "core/panel/lcd_listing.h"

namespace zan {

namespace {

// The listing cut into characters. Names are UTF-8 here, so a character may
// be several bytes; cutting by bytes could split one and hand the LCD broken text.
std::vector<std::string_view> Characters(std::string_view text)
{
    std::vector<std::string_view> chars;
    std::size_t start = 0;
    for (std::size_t i = 1; i <= text.size(); ++i) {
        const bool continuation = i < text.size() && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80;
        if (continuation) continue;
        chars.push_back(text.substr(start, i - start));
        start = i;
    }
    return chars;
}

}  // namespace

std::vector<std::string> ListingEntries(std::string_view listing)
{
    const std::vector<std::string_view> chars = Characters(listing);
    std::vector<std::string> entries;
    for (std::size_t i = 2; i < chars.size(); ++i)
        if (chars[i] == ".") entries.push_back("%" + std::string(chars[i - 2]) + std::string(chars[i - 1]));
    return entries;
}

std::string FirstProgram(std::string_view listing)
{
    const std::vector<std::string_view> chars = Characters(listing);
    std::string first;
    for (std::size_t i = 0; i < chars.size() && i < 2; ++i) first += chars[i];
    return first;
}

}  // namespace zan
