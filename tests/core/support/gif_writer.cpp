#include "support/gif_writer.h"

#include <algorithm>
#include <unordered_map>

namespace zan::test {
namespace {

constexpr int kMaxCodeWidth = 12;
constexpr int kTableSize = 1 << kMaxCodeWidth;

using Bytes = std::vector<std::uint8_t>;

void PutU16(Bytes& out, int value)
{
    out.push_back(static_cast<std::uint8_t>(value & 0xFF));
    out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFF));
}

void PutSubBlocks(Bytes& out, const Bytes& data, std::size_t blockSize)
{
    for (std::size_t at = 0; at < data.size(); at += blockSize) {
        const std::size_t size = std::min(blockSize, data.size() - at);
        out.push_back(static_cast<std::uint8_t>(size));
        out.insert(out.end(), data.begin() + at, data.begin() + at + size);
    }
    out.push_back(0);
}

// Size bits of a colour table's packed field; entries = 2 << bits.
int TableBits(const Bytes& colours)
{
    int bits = 0;
    while ((2 << bits) * 3 < static_cast<int>(colours.size()) && bits < 7) ++bits;
    return bits;
}

void PutTable(Bytes& out, Bytes table)
{
    table.resize((2 << TableBits(table)) * 3, 0);
    out.insert(out.end(), table.begin(), table.end());
}

// Packs codes LSB first at the width the reader will expect, tracking the
// reader's table: it gains an entry for every code but the first after a clear.
class CodePacker {
public:
    explicit CodePacker(int codeSize) : codeSize_(codeSize), clear_(1 << codeSize) {}

    void Emit(int code)
    {
        bits_ |= static_cast<std::uint64_t>(code & ((1 << width_) - 1)) << count_;
        for (count_ += width_; count_ >= 8; count_ -= 8, bits_ >>= 8) bytes_.push_back(bits_ & 0xFF);
        if (code == clear_) {
            width_ = codeSize_ + 1, readerNext_ = clear_ + 2, fresh_ = true;
            return;
        }
        if (!fresh_ && readerNext_ < kTableSize) ++readerNext_;
        fresh_ = false;
        if (readerNext_ >= 1 << width_ && width_ < kMaxCodeWidth) ++width_;
    }

    Bytes Finish()
    {
        if (count_ > 0) bytes_.push_back(bits_ & 0xFF);
        return bytes_;
    }

private:
    const int codeSize_, clear_;
    int width_ = codeSize_ + 1, readerNext_ = clear_ + 2, count_ = 0;
    bool fresh_ = true;
    std::uint64_t bits_ = 0;
    Bytes bytes_;
};

Bytes EncodeLzw(const GifFrameSpec& frame)
{
    const int clear = 1 << frame.codeSize;
    CodePacker packer(frame.codeSize);
    std::unordered_map<std::uint32_t, int> table;  // (prefix code << 8 | byte) -> code
    int next = clear + 2, current = -1;
    packer.Emit(clear);
    for (const std::uint8_t pixel : frame.pixels) {
        const std::uint32_t key = static_cast<std::uint32_t>(current) << 8 | pixel;
        if (const auto found = table.find(key); current >= 0 && found != table.end()) {
            current = found->second;
            continue;
        }
        if (current >= 0) {
            packer.Emit(current);
            if (next < kTableSize) {
                table.emplace(key, next++);
            } else if (frame.clearWhenFull) {
                packer.Emit(clear);
                table.clear();
                next = clear + 2;
            }
        }
        current = pixel;
    }
    if (current >= 0) packer.Emit(current);
    for (const int code : frame.extraCodes) packer.Emit(code);
    if (frame.endCode) packer.Emit(clear + 1);
    return packer.Finish();
}

void PutFrame(Bytes& out, const GifFrameSpec& frame)
{
    for (const auto& extension : frame.extensions) {
        out.insert(out.end(), {0x21, extension.label});
        PutSubBlocks(out, extension.data, 255);
    }
    if (const auto& c = frame.control) {
        out.insert(out.end(), {0x21, 0xF9, 0x04});
        out.push_back(static_cast<std::uint8_t>((c->disposal & 7) << 2 | c->userInput << 1 | c->transparency));
        PutU16(out, c->delay);
        out.insert(out.end(), {static_cast<std::uint8_t>(c->transparentIndex), 0});
    }
    out.push_back(0x2C);
    for (const int value : {frame.left, frame.top, frame.width, frame.height}) PutU16(out, value);
    const bool local = !frame.localColours.empty();
    out.push_back(static_cast<std::uint8_t>((local ? 0x80 | TableBits(frame.localColours) : 0) |
                                            (frame.interlace ? 0x40 : 0)));
    if (local) PutTable(out, frame.localColours);
    out.push_back(static_cast<std::uint8_t>(frame.codeSize));
    PutSubBlocks(out, EncodeLzw(frame), frame.subBlockSize);
}

}  // namespace

GifFrameSpec PlainFrame(int width, int height, std::vector<std::uint8_t> pixels)
{
    GifFrameSpec frame;
    frame.width = width;
    frame.height = height;
    frame.pixels = std::move(pixels);
    return frame;
}

std::vector<std::uint8_t> WriteGif(const GifSpec& gif)
{
    Bytes out(gif.signature.begin(), gif.signature.end());
    PutU16(out, gif.width);
    PutU16(out, gif.height);
    const bool global = !gif.globalColours.empty();
    out.insert(out.end(), {static_cast<std::uint8_t>(global ? 0xF0 | TableBits(gif.globalColours) : 0), 0, 0});
    if (global) PutTable(out, gif.globalColours);
    for (const auto& frame : gif.frames) PutFrame(out, frame);
    out.push_back(0x3B);
    return out;
}

}  // namespace zan::test
