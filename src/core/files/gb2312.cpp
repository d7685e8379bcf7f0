#include "core/files/gb2312.h"

#include <iconv.h>

#include <cerrno>

namespace zan {

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD in UTF-8

// One conversion descriptor for the length of a conversion.
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter()
    {
        if (ok()) iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    // Converts as much of `in` as it can into `out`; false at a sequence
    // that cannot be converted (left at the front of `in`).
    bool Convert(std::string_view& in, std::string& out)
    {
        char buffer[256];
        while (!in.empty()) {
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

}  // namespace

std::string Utf8FromGb2312(std::string_view bytes)
{
    std::string text;
    Converter converter("UTF-8", "GB2312");
    if (!converter.ok()) return std::string(bytes);
    text.reserve(bytes.size());
    // A sequence GB2312 does not define, or a lone first byte at the end,
    // stands for one replacement character; the next byte starts afresh.
    while (!converter.Convert(bytes, text)) {
        text += kReplacement;
        bytes.remove_prefix(1);
    }
    return text;
}

std::optional<std::string> Gb2312FromUtf8(std::string_view utf8)
{
    std::string bytes;
    Converter converter("GB2312", "UTF-8");
    if (!converter.ok()) return std::nullopt;
    bytes.reserve(utf8.size());
    if (!converter.Convert(utf8, bytes)) return std::nullopt;
    return bytes;
}

}  // namespace zan
