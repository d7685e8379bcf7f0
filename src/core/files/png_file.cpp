#include "core/files/png_file.h"

#include <algorithm>
#include <array>

#include "core/files/file_replace.h"

namespace zan {

namespace {

// --- deflate with the fixed Huffman codes (RFC 1951, 3.2.6) ---

constexpr int kWindow = 32768;       // the farthest a match may reach back
constexpr int kMinMatch = 3;
constexpr int kMaxMatch = 258;
constexpr int kMaxChain = 48;        // candidates tried per position: speed over the last few bytes
constexpr int kHashBits = 15;
constexpr int kEndOfBlock = 256;

constexpr std::array<int, 29> kLengthBase{3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                                          31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
constexpr std::array<int, 29> kLengthExtra{0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                           2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
constexpr std::array<int, 30> kDistanceBase{1,   2,   3,   4,   5,   7,    9,    13,   17,   25,
                                            33,  49,  65,  97,  129, 193,  257,  385,  513,  769,
                                            1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
constexpr std::array<int, 30> kDistanceExtra{0, 0, 0, 0, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6,
                                             6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13};

// Bits go out least significant first; Huffman codes are sent most
// significant bit first, so they are reversed on the way in.
class BitWriter {
public:
    explicit BitWriter(std::string& out) : out_(out) {}

    void Bits(unsigned value, int count)
    {
        buffer_ |= static_cast<std::uint64_t>(value) << filled_;
        filled_ += count;
        while (filled_ >= 8) {
            out_.push_back(static_cast<char>(buffer_ & 0xFFu));
            buffer_ >>= 8;
            filled_ -= 8;
        }
    }
    void Code(unsigned code, int length)
    {
        unsigned reversed = 0;
        for (int i = 0; i < length; ++i) reversed |= ((code >> i) & 1u) << (length - 1 - i);
        Bits(reversed, length);
    }
    void Flush()
    {
        if (filled_ > 0) Bits(0, 8 - filled_);
    }

private:
    std::string& out_;
    std::uint64_t buffer_ = 0;
    int filled_ = 0;
};

// Literal/length symbol 0..287 in the fixed code.
void FixedSymbol(BitWriter& bits, int symbol)
{
    if (symbol < 144) bits.Code(0x30 + symbol, 8);
    else if (symbol < 256) bits.Code(0x190 + symbol - 144, 9);
    else if (symbol < 280) bits.Code(symbol - 256, 7);
    else bits.Code(0xC0 + symbol - 280, 8);
}

// The index of the last table entry not above `value`.
template <std::size_t N>
int CodeIndex(const std::array<int, N>& base, int value)
{
    return static_cast<int>(std::upper_bound(base.begin(), base.end(), value) - base.begin()) - 1;
}

void Match(BitWriter& bits, int length, int distance)
{
    const int l = CodeIndex(kLengthBase, length);
    FixedSymbol(bits, 257 + l);
    bits.Bits(static_cast<unsigned>(length - kLengthBase[l]), kLengthExtra[l]);
    const int d = CodeIndex(kDistanceBase, distance);
    bits.Code(static_cast<unsigned>(d), 5);
    bits.Bits(static_cast<unsigned>(distance - kDistanceBase[d]), kDistanceExtra[d]);
}

// Greedy LZ77 over hash chains of three-byte prefixes.
class Matcher {
public:
    explicit Matcher(std::span<const unsigned char> data) : data_(data), prev_(kWindow, 0) {}

    // Longest earlier match for position i: {length, distance}; length 0 when none.
    std::pair<int, int> Find(int i) const
    {
        const int n = static_cast<int>(data_.size());
        const int limit = std::min(kMaxMatch, n - i);
        int bestLength = 0;
        int bestDistance = 0;
        int candidate = head_[Hash(i)] - 1;
        for (int tries = 0; candidate >= 0 && i - candidate <= kWindow && tries < kMaxChain; ++tries) {
            int length = 0;
            while (length < limit && data_[candidate + length] == data_[i + length]) ++length;
            if (length > bestLength) {
                bestLength = length;
                bestDistance = i - candidate;
                if (length == limit) break;
            }
            const int before = prev_[candidate % kWindow] - 1;
            if (before >= candidate) break;  // the slot was taken by a newer position
            candidate = before;
        }
        return bestLength >= kMinMatch ? std::pair{bestLength, bestDistance} : std::pair{0, 0};
    }
    void Insert(int i)
    {
        if (i + kMinMatch > static_cast<int>(data_.size())) return;
        const unsigned h = Hash(i);
        prev_[i % kWindow] = head_[h];
        head_[h] = i + 1;
    }

private:
    unsigned Hash(int i) const
    {
        const unsigned v = (unsigned(data_[i]) << 16) | (unsigned(data_[i + 1]) << 8) | data_[i + 2];
        return (v * 2654435761u) >> (32 - kHashBits);
    }
    std::span<const unsigned char> data_;
    std::vector<int> head_ = std::vector<int>(1u << kHashBits, 0);  // position + 1 of the newest entry
    std::vector<int> prev_;                                        // position + 1 of the entry before
};

void Deflate(std::span<const unsigned char> data, std::string& out)
{
    BitWriter bits(out);
    bits.Bits(1, 1);  // the final block
    bits.Bits(1, 2);  // fixed Huffman codes
    Matcher matcher(data);
    const int n = static_cast<int>(data.size());
    for (int i = 0; i < n;) {
        const auto [length, distance] = i + kMinMatch <= n ? matcher.Find(i) : std::pair{0, 0};
        if (length == 0) {
            FixedSymbol(bits, data[i]);
            matcher.Insert(i++);
            continue;
        }
        Match(bits, length, distance);
        for (const int end = i + length; i < end; ++i) matcher.Insert(i);
    }
    FixedSymbol(bits, kEndOfBlock);
    bits.Flush();
}

// --- PNG chunks ---

void BigEndian(std::string& out, std::uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<char>((value >> shift) & 0xFFu));
}

std::span<const unsigned char> Bytes(std::string_view text)
{
    return {reinterpret_cast<const unsigned char*>(text.data()), text.size()};
}

void Chunk(std::string& out, std::string_view type, std::string_view data)
{
    BigEndian(out, static_cast<std::uint32_t>(data.size()));
    const std::size_t start = out.size();
    out.append(type);
    out.append(data);
    BigEndian(out, Crc32(Bytes(std::string_view(out).substr(start))));
}

constexpr std::string_view kSignature{"\x89PNG\r\n\x1a\n", 8};
constexpr char kBitDepth = 8;
constexpr char kTrueColour = 2;
constexpr unsigned char kNoFilter = 0;

}  // namespace

RgbPicture::RgbPicture(int width, int height, std::uint32_t fill)
    : width_(std::max(width, 1)), height_(std::max(height, 1)),
      pixels_(static_cast<std::size_t>(width_) * height_, fill)
{
}

void RgbPicture::Set(int x, int y, std::uint32_t rgb)
{
    if (x >= 0 && y >= 0 && x < width_ && y < height_) pixels_[Index(x, y)] = rgb;
}

void RgbPicture::Fill(int left, int top, int right, int bottom, std::uint32_t rgb)
{
    left = std::max(left, 0);
    top = std::max(top, 0);
    right = std::min(right, width_ - 1);
    bottom = std::min(bottom, height_ - 1);
    for (int y = top; y <= bottom; ++y)
        std::fill(pixels_.begin() + Index(left, y), pixels_.begin() + Index(std::max(left, right + 1), y), rgb);
}

std::uint32_t Crc32(std::span<const unsigned char> bytes, std::uint32_t crc)
{
    crc = ~crc;
    for (const unsigned char byte : bytes) {
        crc ^= byte;
        for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

std::uint32_t Adler32(std::span<const unsigned char> bytes)
{
    constexpr std::uint32_t kModulus = 65521;
    std::uint32_t a = 1;
    std::uint32_t b = 0;
    for (const unsigned char byte : bytes) {
        a = (a + byte) % kModulus;
        b = (b + a) % kModulus;
    }
    return (b << 16) | a;
}

std::string ZlibCompress(std::span<const unsigned char> bytes)
{
    std::string out = "\x78\x01";  // deflate, 32 KB window; the check bits make 0x7801 a multiple of 31
    Deflate(bytes, out);
    BigEndian(out, Adler32(bytes));
    return out;
}

std::string EncodePng(const RgbPicture& picture)
{
    std::vector<unsigned char> raw;
    raw.reserve(static_cast<std::size_t>(picture.height()) * (1 + 3 * picture.width()));
    for (int y = 0; y < picture.height(); ++y) {
        raw.push_back(kNoFilter);
        for (int x = 0; x < picture.width(); ++x) {
            const std::uint32_t rgb = picture.At(x, y);
            raw.push_back(static_cast<unsigned char>(rgb >> 16));
            raw.push_back(static_cast<unsigned char>(rgb >> 8));
            raw.push_back(static_cast<unsigned char>(rgb));
        }
    }
    std::string header;
    BigEndian(header, static_cast<std::uint32_t>(picture.width()));
    BigEndian(header, static_cast<std::uint32_t>(picture.height()));
    header += {kBitDepth, kTrueColour, 0, 0, 0};  // compression, filter method, no interlace

    std::string png(kSignature);
    Chunk(png, "IHDR", header);
    Chunk(png, "IDAT", ZlibCompress(raw));
    Chunk(png, "IEND", {});
    return png;
}

bool WritePngFile(const std::filesystem::path& path, const RgbPicture& picture)
{
    return ReplaceFile(path, EncodePng(picture));
}

}  // namespace zan
