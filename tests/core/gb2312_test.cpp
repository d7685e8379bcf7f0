// GB2312 <-> UTF-8 through the core's own table agrees with the C library's
// iconv, which the desktop build converted with before: on every input of
// one or two bytes, and on every code point.

#include <gtest/gtest.h>
#include <iconv.h>

#include <cerrno>
#include <optional>
#include <string>

#include "core/files/gb2312.h"

namespace zan::test {
namespace {

// One iconv conversion descriptor.
class Iconv {
public:
    Iconv(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Iconv()
    {
        if (ok()) iconv_close(cd_);
    }
    Iconv(const Iconv&) = delete;
    Iconv& operator=(const Iconv&) = delete;
    bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    // Converts from the front of `in` (which it moves on) into `out`; false
    // where it stops at a sequence it cannot convert.
    bool Convert(std::string_view& in, std::string& out)
    {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        while (!in.empty()) {
            char buffer[256];
            char* src = const_cast<char*>(in.data());
            std::size_t srcLeft = in.size();
            char* dst = buffer;
            std::size_t dstLeft = sizeof buffer;
            const std::size_t result = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
            out.append(buffer, static_cast<std::size_t>(dst - buffer));
            in.remove_prefix(in.size() - srcLeft);
            if (result == static_cast<std::size_t>(-1) && errno != E2BIG) return false;
        }
        return true;
    }

private:
    iconv_t cd_;
};

// What reading gave through iconv: U+FFFD for each byte where it stopped.
std::string IconvUtf8(Iconv& iconv, std::string_view bytes)
{
    std::string text;
    while (!iconv.Convert(bytes, text)) {
        text += "\xEF\xBF\xBD";
        bytes.remove_prefix(1);
    }
    return text;
}

std::optional<std::string> IconvGb2312(Iconv& iconv, std::string_view utf8)
{
    std::string bytes;
    if (!iconv.Convert(utf8, bytes)) return std::nullopt;
    return bytes;
}

// Any code point up to 0x1FFFFF in UTF-8's form, surrogate halves too.
std::string Utf8(char32_t c)
{
    const auto byte = [](char32_t b) { return static_cast<char>(b); };
    if (c < 0x80) return {byte(c)};
    if (c < 0x800) return {byte(0xC0 | c >> 6), byte(0x80 | (c & 0x3F))};
    if (c < 0x10000) return {byte(0xE0 | c >> 12), byte(0x80 | (c >> 6 & 0x3F)), byte(0x80 | (c & 0x3F))};
    return {byte(0xF0 | c >> 18), byte(0x80 | (c >> 12 & 0x3F)), byte(0x80 | (c >> 6 & 0x3F)), byte(0x80 | (c & 0x3F))};
}

struct Gb2312Test : ::testing::Test {
    Iconv toUtf8{"UTF-8", "GB2312"};
    Iconv toGb2312{"GB2312", "UTF-8"};

    void SetUp() override { ASSERT_TRUE(toUtf8.ok() && toGb2312.ok()) << "the C library has no GB2312 converter"; }
};

TEST_F(Gb2312Test, ReadingAgreesWithIconvOnEveryByteAndPairOfBytes)
{
    int differences = 0;
    for (unsigned first = 0; first < 256; ++first) {
        const std::string one{static_cast<char>(first)};
        differences += Utf8FromGb2312(one) != IconvUtf8(toUtf8, one);
        for (unsigned second = 0; second < 256 && differences < 10; ++second) {
            const std::string two{static_cast<char>(first), static_cast<char>(second)};
            const std::string expected = IconvUtf8(toUtf8, two);
            EXPECT_EQ(Utf8FromGb2312(two), expected) << std::hex << first << ' ' << second;
            differences += Utf8FromGb2312(two) != expected;
        }
    }
    EXPECT_EQ(differences, 0);
    // Damage in the middle and at the end: a byte no code starts with, a
    // first byte before ASCII, an undefined code, a lone first byte at the end.
    for (const std::string_view bytes :
         {"N10 \xB3\xB5\xFF\xCD\xE2 X", "\xB3\xB5\xA1" "A\xB3\xB5", "\xAA\xA1\xB0\xA1\xD7\xFA\xB3", "(\x80\xA1\xFE)\xB3"}) {
        EXPECT_EQ(Utf8FromGb2312(bytes), IconvUtf8(toUtf8, bytes)) << bytes;
    }
    EXPECT_EQ(Utf8FromGb2312(std::string("N\0\r\n", 4)), std::string("N\0\r\n", 4));
}

TEST_F(Gb2312Test, WritingAgreesWithIconvOnEveryCodePoint)
{
    int differences = 0;
    for (char32_t c = 0; c <= 0x10FFFF && differences < 10; ++c) {
        const std::string utf8 = Utf8(c);
        std::optional<std::string> expected = IconvGb2312(toGb2312, utf8);
        // iconv drops the tag characters without a word; a save refuses them
        // like any other character GB2312 lacks rather than lose them.
        if (c >= 0xE0000 && c <= 0xE007F) {
            EXPECT_EQ(expected, "");
            expected.reset();
        }
        EXPECT_EQ(Gb2312FromUtf8(utf8), expected) << std::hex << "U+" << static_cast<unsigned>(c);
        differences += Gb2312FromUtf8(utf8) != expected;
    }
    EXPECT_EQ(differences, 0);
    EXPECT_EQ(Gb2312FromUtf8("N0000 (车外圆)\r\n"), "N0000 (\xB3\xB5\xCD\xE2\xD4\xB2)\r\n");
    EXPECT_EQ(Gb2312FromUtf8(""), "");
}

TEST_F(Gb2312Test, MalformedUtf8IsNotWritten)
{
    // Overlong forms, surrogate halves, past U+10FFFF, bytes no character
    // starts with, and characters cut short (车 is E8 BD A6).
    for (const std::string_view bad :
         {"\xC0\x80", "\xC1\xBF", "\xE0\x80\x80", "\xE0\x9F\xBF", "\xF0\x80\x80\x80", "\xF0\x8F\xBF\xBF", "\xED\xA0\x80",
          "\xED\xBF\xBF", "\xF4\x90\x80\x80", "\xF5\x80\x80\x80", "\xF8\x88\x80\x80\x80", "\x80", "\xBF", "\xFE", "\xFF",
          "\xE8\xBD", "\xE8\xBD" "A", "\xE8" "A\xBD\xA6"}) {
        const std::string text = "N1 " + std::string(bad) + " X";
        EXPECT_EQ(IconvGb2312(toGb2312, text), std::nullopt) << text;
        EXPECT_EQ(Gb2312FromUtf8(text), std::nullopt) << text;
        EXPECT_EQ(Gb2312FromUtf8("N1 " + std::string(bad)), std::nullopt) << text;
    }
}

}  // namespace
}  // namespace zan::test
