// Writes the seed corpus of gif_fuzz: small pictures that reach every branch
// of the reader, accepted and refused. Usage: make_gif_seeds OUTPUT_DIR
// Two of them are also the tool's test pictures (tests/data/gif/).

#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <utility>
#include <vector>

#include "support/gif_writer.h"

namespace {

using zan::test::GifFrameSpec;
using zan::test::GifSpec;
using zan::test::PlainFrame;
using Bytes = std::vector<std::uint8_t>;

// Index (x + y + phase) % colours, row by row.
Bytes Checker(int width, int height, int colours, int phase)
{
    Bytes pixels;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) pixels.push_back(static_cast<std::uint8_t>((x + y + phase) % colours));
    }
    return pixels;
}

GifSpec Screen(int width, int height, std::vector<GifFrameSpec> frames)
{
    GifSpec gif;
    gif.width = width;
    gif.height = height;
    gif.globalColours = {0, 0, 0, 255, 0, 0, 0, 255, 0, 0, 0, 255};
    gif.frames = std::move(frames);
    return gif;
}

// 24x16 screen; frame 1 is 12x8 at (2,3) with a 2-entry local table
// (10,20,30 / 40,50,60), starts with index 1 and ends with index 3,
// which is past its table.
GifSpec MultiFrame()
{
    GifFrameSpec first = PlainFrame(12, 8, Checker(12, 8, 2, 1));
    first.left = 2;
    first.top = 3;
    first.localColours = {10, 20, 30, 40, 50, 60};
    first.pixels.back() = 3;
    first.control = zan::test::GifControlSpec{2, false, true, 10, 0};
    GifFrameSpec second = PlainFrame(24, 16, Checker(24, 16, 4, 0));
    second.control = zan::test::GifControlSpec{1, true, false, 25, 3};
    GifFrameSpec third = PlainFrame(5, 5, Checker(5, 5, 3, 2));
    third.codeSize = 2;
    return Screen(24, 16, {first, second, third});
}

std::vector<std::pair<std::string, Bytes>> Seeds()
{
    using zan::test::WriteGif;
    std::vector<std::pair<std::string, Bytes>> seeds;
    const auto add = [&](std::string name, const GifSpec& gif) { seeds.emplace_back(std::move(name), WriteGif(gif)); };

    add("single_frame.gif", Screen(8, 6, {PlainFrame(8, 6, Checker(8, 6, 4, 0))}));
    add("multi_frame.gif", MultiFrame());

    GifFrameSpec interlaced = PlainFrame(9, 9, Checker(9, 9, 4, 1));
    interlaced.interlace = true;
    interlaced.codeSize = 2;
    add("interlaced.gif", Screen(9, 9, {interlaced}));

    GifSpec localOnly = Screen(6, 4, {PlainFrame(6, 4, Checker(6, 4, 2, 0)), PlainFrame(3, 2, {1, 0, 1, 0, 1, 0})});
    localOnly.globalColours.clear();
    for (auto& frame : localOnly.frames) frame.localColours = {9, 9, 9, 200, 100, 50};
    add("local_tables.gif", localOnly);

    GifFrameSpec bilevel = PlainFrame(7, 3, Checker(7, 3, 2, 0));
    bilevel.codeSize = 1;
    add("code_size_1.gif", Screen(7, 3, {bilevel}));

    // Enough distinct pairs to fill the 4096-entry table and clear it.
    GifFrameSpec noisy = PlainFrame(72, 72, {});
    for (std::uint32_t i = 0, seed = 1; i < 72 * 72; ++i) {
        seed = seed * 1664525u + 1013904223u;
        noisy.pixels.push_back(static_cast<std::uint8_t>(seed >> 24));
    }
    add("table_full.gif", Screen(72, 72, {noisy}));

    GifFrameSpec noEnd = PlainFrame(4, 4, Checker(4, 4, 3, 0));
    noEnd.endCode = false;
    noEnd.subBlockSize = 1;
    add("no_end_code.gif", Screen(4, 4, {noEnd}));

    GifFrameSpec extensions = PlainFrame(2, 2, {0, 1, 2, 3});
    extensions.extensions = {{0x01, {1, 2, 3}}, {0xFE, {'z', 'a', 'n'}}, {0xFF, Bytes(11, 'A')}};
    add("extensions.gif", Screen(2, 2, {extensions}));

    GifSpec old = Screen(2, 2, {PlainFrame(2, 2, {0, 1, 1, 0})});
    old.signature = "GIF87a";
    add("gif87a.gif", old);

    Bytes truncated = WriteGif(Screen(8, 6, {PlainFrame(8, 6, Checker(8, 6, 4, 0))}));
    truncated.resize(truncated.size() - 6);
    seeds.emplace_back("truncated.gif", truncated);

    GifFrameSpec badLabel = PlainFrame(2, 2, {0, 1, 1, 0});
    badLabel.extensions = {{0x02, {1}}};
    add("bad_label.gif", Screen(2, 2, {badLabel}));

    add("overflowing_lzw.gif", Screen(3, 3, {PlainFrame(3, 3, Checker(3, 4, 2, 0))}));

    GifFrameSpec badCode = PlainFrame(3, 3, {1, 2});
    badCode.extraCodes = {400};
    add("code_ahead_of_table.gif", Screen(3, 3, {badCode}));
    return seeds;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: make_gif_seeds OUTPUT_DIR\n";
        return 2;
    }
    const std::filesystem::path dir = argv[1];
    std::filesystem::create_directories(dir);
    for (const auto& [name, bytes] : Seeds()) {
        std::ofstream out(dir / name, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        if (!out) {
            std::cerr << "make_gif_seeds: cannot write " << (dir / name) << '\n';
            return 1;
        }
    }
    return 0;
}
