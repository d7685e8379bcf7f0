#pragma once
// Builds GIF byte streams for the reader's tests and the fuzz seeds, including
// deliberately damaged ones: wrong signature, foreign extension labels,
// missing end codes, surplus pixels and raw codes.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zan::test {

struct GifControlSpec {
    int disposal = 0;  // 0..7
    bool userInput = false;
    bool transparency = false;
    int delay = 0;  // hundredths of a second
    int transparentIndex = 0;
};

struct GifExtensionSpec {
    std::uint8_t label = 0xFE;
    std::vector<std::uint8_t> data;  // split into sub-blocks
};

struct GifFrameSpec {
    int left = 0, top = 0;
    int width = 1, height = 1;                // declared; need not match pixels.size()
    std::vector<std::uint8_t> pixels;         // LZW-encoded in this order
    std::vector<std::uint8_t> localColours;   // RGB; empty: no local table; padded to 2^n entries
    bool interlace = false;
    int codeSize = 8;                         // the LZW code-size byte as written
    std::optional<GifControlSpec> control;
    std::vector<GifExtensionSpec> extensions; // written before the control extension
    bool endCode = true;
    bool clearWhenFull = true;                // false: keeps coding with a full table
    std::vector<int> extraCodes;              // raw codes after the pixels, at the current width
    int subBlockSize = 255;
};

struct GifSpec {
    std::string signature = "GIF89a";
    int width = 1, height = 1;
    std::vector<std::uint8_t> globalColours;  // RGB; empty: no global table
    std::vector<GifFrameSpec> frames;
};

// A frame covering width x height with the given indices at code size 8.
GifFrameSpec PlainFrame(int width, int height, std::vector<std::uint8_t> pixels);

std::vector<std::uint8_t> WriteGif(const GifSpec& gif);

}  // namespace zan::test
