#include "core/files/gif_reader.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <new>

namespace zan {
namespace {

constexpr std::uint8_t kExtension = 0x21;
constexpr std::uint8_t kImage = 0x2C;
constexpr std::uint8_t kTrailer = 0x3B;
constexpr std::uint8_t kControlLabel = 0xF9;
constexpr std::uint8_t kTableFlag = 0x80;

// Pixels over all frames of one file; a hostile file must not ask for gigabytes.
constexpr std::uint64_t kMaxTotalArea = 64ull * 1024 * 1024;

constexpr int kMaxCodeWidth = 12;
constexpr int kTableSize = 1 << kMaxCodeWidth;

// Entries of a colour table announced by packed flags: 2^((flags & 7) + 1).
int TableEntries(std::uint8_t flags) { return 2 << (flags & 7); }

// Bounds-checked reads. A read past the end yields zeros and leaves the cursor
// failed, so callers may read a group of fields and check once.
class Cursor {
public:
    explicit Cursor(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    bool failed() const { return failed_; }

    std::uint8_t U8()
    {
        if (pos_ >= bytes_.size()) {
            failed_ = true;
            return 0;
        }
        return bytes_[pos_++];
    }

    int U16()  // little-endian
    {
        const int low = U8();
        return low | U8() << 8;
    }

    std::span<const std::uint8_t> Take(std::size_t count)
    {
        if (count > bytes_.size() - pos_) {
            failed_ = true;
            pos_ = bytes_.size();
            return {};
        }
        const auto taken = bytes_.subspan(pos_, count);
        pos_ += count;
        return taken;
    }

    // Data sub-blocks up to and including their 0 terminator. A failed cursor
    // reads 0, which ends the loop.
    void SkipSubBlocks()
    {
        for (int size = U8(); size != 0; size = U8()) Take(size);
    }

private:
    std::span<const std::uint8_t> bytes_;
    std::size_t pos_ = 0;
    bool failed_ = false;
};

// ---------------------------------------------------------------------------
// Header and counting pass

bool HasSignature(std::span<const std::uint8_t> bytes)
{
    constexpr std::string_view kSignature = "GIF89a";
    return bytes.size() >= kSignature.size() &&
           std::equal(kSignature.begin(), kSignature.end(), bytes.begin());
}

void ReadScreen(Cursor& in, GifPicture& picture)
{
    for (char& c : picture.signature) c = static_cast<char>(in.U8());
    picture.width = in.U16();
    picture.height = in.U16();
    picture.flags = in.U8();
    picture.background = in.U8();
    picture.aspect = in.U8();
    picture.globalTable = (picture.flags & kTableFlag) != 0;
    if (!picture.globalTable) return;
    picture.bitsPerPixel = 8;
    picture.globalTableSize = TableEntries(picture.flags);
    const auto colours = in.Take(static_cast<std::size_t>(picture.globalTableSize) * 3);
    picture.globalColours.assign(colours.begin(), colours.end());
}

bool IsKnownExtension(std::uint8_t label)
{
    return label == 0x01 || label == kControlLabel || label == 0xFE || label == 0xFF;
}

// Skips one image after its 0x2C; returns its area in pixels.
std::uint64_t SkipImage(Cursor& in)
{
    in.Take(4);  // left, top
    const std::uint64_t width = in.U16();
    const std::uint64_t height = in.U16();
    const std::uint8_t flags = in.U8();
    if (flags & kTableFlag) in.Take(static_cast<std::size_t>(TableEntries(flags)) * 3);
    in.U8();  // LZW code size
    in.SkipSubBlocks();
    return width * height;
}

struct ImageCount {
    std::size_t images = 0;
    std::uint64_t area = 0;  // saturates just above kMaxTotalArea
};

// Walks the block stream up to the trailer; a fault anywhere counts nothing.
ImageCount CountImages(Cursor in)
{
    ImageCount count;
    for (;;) {
        const std::uint8_t block = in.U8();
        if (in.failed()) return {};
        switch (block) {
        case kTrailer: return count;
        case 0x00: break;
        case kExtension:
            if (!IsKnownExtension(in.U8())) return {};
            in.SkipSubBlocks();
            break;
        case kImage:
            count.area = std::min(count.area + SkipImage(in), kMaxTotalArea + 1);
            ++count.images;
            break;
        default: return {};
        }
    }
}

// ---------------------------------------------------------------------------
// LZW

// The bytes of an image's data sub-blocks as one stream.
class SubBlockReader {
public:
    explicit SubBlockReader(Cursor& in) : in_(in) {}

    // False once the terminator has been read (or the input has ended).
    bool Next(std::uint8_t& byte)
    {
        while (block_.empty()) {
            if (done_) return false;
            const int size = in_.U8();
            if (size == 0) {
                done_ = true;
                return false;
            }
            block_ = in_.Take(size);
        }
        byte = block_.front();
        block_ = block_.subspan(1);
        return true;
    }

    // Skips what is left of the data, up to and including the terminator.
    void SkipRest()
    {
        if (!done_) in_.SkipSubBlocks();
        block_ = {};
        done_ = true;
    }

private:
    Cursor& in_;
    std::span<const std::uint8_t> block_;
    bool done_ = false;
};

// Variable-width codes packed least significant bit first.
class CodeReader {
public:
    explicit CodeReader(Cursor& in) : blocks_(in) {}

    // The next code of `width` bits, or -1 when the data has run out.
    int Next(int width)
    {
        while (count_ < width) {
            std::uint8_t byte = 0;
            if (!blocks_.Next(byte)) return -1;
            bits_ |= std::uint32_t{byte} << count_;
            count_ += 8;
        }
        const int code = static_cast<int>(bits_ & ((1u << width) - 1));
        bits_ >>= width;
        count_ -= width;
        return code;
    }

    void SkipRest() { blocks_.SkipRest(); }

private:
    SubBlockReader blocks_;
    std::uint32_t bits_ = 0;
    int count_ = 0;
};

// String table as prefix chains. Strings are written straight into the output
// back to front using their stored lengths, so decoding needs no buffer of
// its own and allocates nothing.
class LzwDecoder {
public:
    LzwDecoder(int codeSize, std::span<std::uint8_t> out)
        : codeSize_(codeSize), clear_(1 << codeSize), end_(clear_ + 1), out_(out)
    {
        for (int code = 0; code < clear_; ++code) {
            suffix_[code] = static_cast<std::uint8_t>(code);
            first_[code] = static_cast<std::uint8_t>(code);
            length_[code] = 1;
        }
        Reset();
    }

    // Ends at the end code or when the data runs out; false on a corrupt code
    // or on more pixels than the image holds.
    bool Run(CodeReader& codes)
    {
        for (;;) {
            const int code = codes.Next(width_);
            if (code < 0) return true;
            if (code == clear_) {
                Reset();
            } else if (code == end_) {
                codes.SkipRest();
                return true;
            } else if (!Accept(code)) {
                return false;
            }
        }
    }

private:
    void Reset()
    {
        width_ = codeSize_ + 1;
        next_ = end_ + 1;
        prev_ = -1;
    }

    bool Accept(int code)
    {
        if (prev_ < 0) {
            // After a clear only a literal can follow.
            if (code >= clear_) return false;
        } else {
            if (code > next_) return false;
            // code == next_: the previous string followed by its own first byte.
            const std::uint8_t head = code == next_ ? first_[prev_] : first_[code];
            if (next_ < kTableSize) Add(head);
        }
        prev_ = code;
        // Checked after every code, not only after an addition: with code
        // size 1 the first free code (4) already needs 3 bits.
        if (next_ >= 1 << width_ && width_ < kMaxCodeWidth) ++width_;
        return Write(code);
    }

    void Add(std::uint8_t head)
    {
        prefix_[next_] = static_cast<std::uint16_t>(prev_);
        suffix_[next_] = head;
        first_[next_] = first_[prev_];
        length_[next_] = static_cast<std::uint16_t>(length_[prev_] + 1);
        ++next_;
    }

    bool Write(int code)
    {
        const std::size_t length = length_[code];
        if (length > out_.size() - written_) return false;
        for (std::size_t i = length; i-- > 0;) {
            out_[written_ + i] = suffix_[code];
            code = prefix_[code];
        }
        written_ += length;
        return true;
    }

    const int codeSize_;
    const int clear_;
    const int end_;
    std::span<std::uint8_t> out_;
    std::size_t written_ = 0;
    int width_ = 0;
    int next_ = 0;
    int prev_ = -1;
    std::array<std::uint16_t, kTableSize> prefix_{};
    std::array<std::uint8_t, kTableSize> suffix_{};
    std::array<std::uint8_t, kTableSize> first_{};
    std::array<std::uint16_t, kTableSize> length_{};
};

// ---------------------------------------------------------------------------
// Decoding pass

struct GraphicControl {
    int disposal = 0;
    bool userInput = false;
    bool transparency = false;
    int delay = 0;  // hundredths of a second
    int transparentIndex = 0;
};

// After the 0xF9 label. Only the 4-byte block is understood; others are skipped.
void ReadControl(Cursor& in, GraphicControl& control)
{
    const int size = in.U8();
    if (size == 0) return;
    if (size == 4) {
        const std::uint8_t packed = in.U8();
        control.disposal = (packed >> 2) & 7;
        control.userInput = (packed & 0x02) != 0;
        control.transparency = (packed & 0x01) != 0;
        control.delay = in.U16();
        control.transparentIndex = in.U8();
    } else {
        in.Take(size);
    }
    in.SkipSubBlocks();
}

void Attach(const GraphicControl& control, GifImage& image)
{
    image.disposal = control.disposal;
    image.userInput = control.userInput;
    image.transparency = control.transparency;
    image.delay = control.delay;
    image.transparentIndex = control.transparentIndex;
}

// After the 0x2C: descriptor, local table and pixel indices.
bool DecodeImage(Cursor& in, GifImage& image)
{
    image.left = in.U16();
    image.top = in.U16();
    image.width = in.U16();
    image.height = in.U16();
    const std::uint8_t flags = in.U8();
    image.localTable = (flags & kTableFlag) != 0;
    image.interlace = (flags & 0x40) != 0;
    image.sorted = (flags & 0x20) != 0;
    if (image.localTable) {
        image.localTableSize = TableEntries(flags);
        const auto colours = in.Take(static_cast<std::size_t>(image.localTableSize) * 3);
        image.localColours.assign(colours.begin(), colours.end());
    }
    const int codeSize = in.U8();
    if (in.failed() || codeSize < 1 || codeSize > kMaxCodeWidth - 1) return false;
    image.indices.assign(static_cast<std::size_t>(image.width) * image.height, 0);
    CodeReader codes(in);
    LzwDecoder decoder(codeSize, image.indices);
    return decoder.Run(codes) && !in.failed();
}

bool DecodeFrames(Cursor in, std::vector<GifImage>& frames)
{
    GraphicControl control;
    std::size_t index = 0;
    for (;;) {
        const std::uint8_t block = in.U8();
        if (in.failed()) return false;
        switch (block) {
        case kTrailer: return index == frames.size();
        case 0x00: break;
        case kExtension:
            if (in.U8() == kControlLabel) {
                ReadControl(in, control);
            } else {
                in.SkipSubBlocks();
            }
            break;
        case kImage:
            if (index == frames.size()) return false;
            Attach(control, frames[index]);
            control = {};
            if (!DecodeImage(in, frames[index++])) return false;
            break;
        default: return false;
        }
    }
}

GifResult Refuse(std::string_view message) { return GifResult{std::nullopt, message}; }

GifResult DecodePicture(GifPicture picture, Cursor stream, std::size_t images)
{
    try {
        picture.frames.resize(images);
        if (!DecodeFrames(stream, picture.frames)) return Refuse(gifmsg::kBadFrames);
    } catch (const std::bad_alloc&) {
        return Refuse(gifmsg::kNoMemory);
    }
    return GifResult{std::move(picture), {}};
}

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

std::optional<std::vector<std::uint8_t>> ReadWholeFile(const std::filesystem::path& file)
{
    const std::unique_ptr<std::FILE, FileCloser> stream(std::fopen(file.c_str(), "rb"));
    if (!stream) return std::nullopt;
    std::vector<std::uint8_t> bytes;
    std::array<std::uint8_t, 16 * 1024> chunk;
    for (;;) {
        const std::size_t got = std::fread(chunk.data(), 1, chunk.size(), stream.get());
        bytes.insert(bytes.end(), chunk.begin(), chunk.begin() + got);
        if (got < chunk.size()) break;
    }
    // A directory opens but cannot be read.
    if (std::ferror(stream.get())) return std::nullopt;
    return bytes;
}

}  // namespace

GifResult ReadGif(std::span<const std::uint8_t> bytes)
{
    if (!HasSignature(bytes)) return Refuse(gifmsg::kUnsupported);
    GifPicture picture;
    Cursor in(bytes);
    ReadScreen(in, picture);
    if (in.failed()) return Refuse(gifmsg::kReadError);
    const ImageCount count = CountImages(in);
    if (count.images == 0) return Refuse(gifmsg::kReadError);
    if (count.area > kMaxTotalArea) return Refuse(gifmsg::kNoMemory);
    return DecodePicture(std::move(picture), in, count.images);
}

GifResult LoadGif(const std::filesystem::path& file)
{
    const auto bytes = ReadWholeFile(file);
    if (!bytes) return Refuse(gifmsg::kFileMissing);
    return ReadGif(*bytes);
}

}  // namespace zan
