// Writes src/core/files/gb2312_table.cpp: the Unicode character of each of
// GB2312's 94 x 94 two-byte codes, as the C library's iconv converts them.
// The core converts with that table instead of iconv, because the browser
// build's C library has no GB2312 converter.
//   make_gb2312_table OUT
#include <iconv.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <optional>
#include <string>

namespace {

constexpr unsigned kSide = 94;           // rows, and codes in a row
constexpr unsigned kFirstByte = 0xA1;    // both bytes of a code run 0xA1..0xFE
constexpr unsigned kValuesPerLine = 16;

// The one UTF-16 unit `utf8` holds (three bytes at most: GB2312 lies in the
// Basic Multilingual Plane); nullopt for anything else.
std::optional<std::uint16_t> BmpCharacter(const std::string& utf8)
{
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(utf8[k]); };
    if (utf8.size() == 2 && (byte(0) & 0xE0) == 0xC0) return ((byte(0) & 0x1F) << 6) | (byte(1) & 0x3F);
    if (utf8.size() == 3 && (byte(0) & 0xF0) == 0xE0)
        return ((byte(0) & 0x0F) << 12) | ((byte(1) & 0x3F) << 6) | (byte(2) & 0x3F);
    return std::nullopt;
}

// The character iconv gives for the two bytes, 0 where it gives none.
std::optional<std::uint16_t> Character(iconv_t cd, unsigned first, unsigned second)
{
    char in[2] = {static_cast<char>(first), static_cast<char>(second)};
    char out[8];
    char* src = in;
    std::size_t srcLeft = sizeof in;
    char* dst = out;
    std::size_t dstLeft = sizeof out;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    if (iconv(cd, &src, &srcLeft, &dst, &dstLeft) == static_cast<std::size_t>(-1) || srcLeft != 0) return 0;
    return BmpCharacter(std::string(out, static_cast<std::size_t>(dst - out)));
}

// One row of the table: its first byte as a comment, then its 94 characters
// (an empty row as {}).
std::optional<std::string> Row(iconv_t cd, unsigned row)
{
    char label[32];
    std::snprintf(label, sizeof label, "    /* 0x%02X */ {", kFirstByte + row);
    std::string text = label;
    bool any = false;
    for (unsigned cell = 0; cell < kSide; ++cell) {
        const std::optional<std::uint16_t> c = Character(cd, kFirstByte + row, kFirstByte + cell);
        if (!c) return std::nullopt;
        any = any || *c != 0;
        char value[16];
        std::snprintf(value, sizeof value, "0x%04X", static_cast<unsigned>(*c));
        if (cell > 0) text += cell % kValuesPerLine == 0 ? ",\n                " : ", ";
        text += value;
    }
    return any ? text + "},\n" : std::string(label) + "},\n";
}

std::optional<std::string> Table(iconv_t cd)
{
    std::string text =
        "// Made by tools/gb2312-table/make_gb2312_table from the C library's GB2312\n"
        "// converter (iconv). Do not edit: tools/gb2312-table/regenerate.sh writes it\n"
        "// anew, and ctest gb2312_table checks that it is what iconv gives.\n\n"
        "#include \"core/files/gb2312_table.h\"\n\n"
        "namespace zan {\n\n"
        "const std::uint16_t kGb2312Characters[94][94] = {\n";
    for (unsigned row = 0; row < kSide; ++row) {
        const std::optional<std::string> line = Row(cd, row);
        if (!line) return std::nullopt;
        text += *line;
    }
    return text + "};\n\n}  // namespace zan\n";
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_gb2312_table OUT\n");
        return 2;
    }
    const iconv_t cd = iconv_open("UTF-8", "GB2312");
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        std::fprintf(stderr, "make_gb2312_table: the C library has no GB2312 converter\n");
        return 1;
    }
    const std::optional<std::string> table = Table(cd);
    iconv_close(cd);
    if (!table) {
        std::fprintf(stderr, "make_gb2312_table: a GB2312 code gave more than one BMP character\n");
        return 1;
    }
    std::ofstream out(argv[1], std::ios::binary);
    out << *table;
    out.close();
    if (!out) {
        std::fprintf(stderr, "make_gb2312_table: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
