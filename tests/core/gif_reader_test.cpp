#include "core/files/gif_reader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "support/gif_writer.h"

namespace zan {
namespace {

using test::GifFrameSpec;
using test::GifSpec;
using test::PlainFrame;
using test::WriteGif;
using Bytes = std::vector<std::uint8_t>;

// Runs of random length and value below 2^bits, so the table both hits and misses.
Bytes Pixels(std::size_t count, int bits, std::uint32_t seed)
{
    Bytes pixels;
    while (pixels.size() < count) {
        seed = seed * 1664525u + 1013904223u;
        const std::size_t run = (seed >> 28) % 5 + 1;
        pixels.insert(pixels.end(), std::min(run, count - pixels.size()),
                      static_cast<std::uint8_t>((seed >> 8) & ((1u << bits) - 1)));
    }
    return pixels;
}

GifSpec OneFrame(GifFrameSpec frame)
{
    GifSpec gif;
    gif.width = frame.width;
    gif.height = frame.height;
    gif.globalColours = {0, 0, 0, 255, 255, 255};
    gif.frames.push_back(std::move(frame));
    return gif;
}

std::string_view Message(const Bytes& bytes) { return ReadGif(bytes).message; }

// Streams packed by hand, so a fault shared by the reader and our writer shows.
TEST(GifReader, DecodesHandPackedStreams)
{
    // The ten-by-ten sample of the format tutorial.
    const Bytes tutorial = {
        0x47, 0x49, 0x46, 0x38, 0x39, 0x61, 0x0A, 0x00, 0x0A, 0x00, 0x91, 0x00, 0x00, 0xFF, 0xFF,
        0xFF, 0xFF, 0x00, 0x00, 0x00, 0x00, 0xFF, 0x00, 0x00, 0x00, 0x21, 0xF9, 0x04, 0x00, 0x00,
        0x00, 0x00, 0x00, 0x2C, 0x00, 0x00, 0x00, 0x00, 0x0A, 0x00, 0x0A, 0x00, 0x00, 0x02, 0x16,
        0x8C, 0x2D, 0x99, 0x87, 0x2A, 0x1C, 0xDC, 0x33, 0xA0, 0x02, 0x75, 0xEC, 0x95, 0xFA, 0xA8,
        0xDE, 0x60, 0x8C, 0x04, 0x91, 0x4C, 0x01, 0x00, 0x3B};
    const std::string rows = "1111122222" "1111122222" "1111122222" "1110000222" "1110000222"
                             "2220000111" "2220000111" "2222211111" "2222211111" "2222211111";
    Bytes expected;
    for (const char c : rows) expected.push_back(static_cast<std::uint8_t>(c - '0'));
    const GifResult result = ReadGif(tutorial);
    ASSERT_TRUE(result.ok()) << result.message;
    EXPECT_EQ(result.picture->globalTableSize, 4);
    EXPECT_EQ(result.picture->frames.at(0).indices, expected);

    // Code size 1: clear, 0 at 2 bits; then 4 ("00"), 0 and the end code at
    // 3 bits, since the first free code 4 no longer fits in 2 bits.
    const Bytes narrow = {'G', 'I', 'F', '8', '9', 'a', 4, 0, 1, 0, 0, 0, 0, 0x2C, 0, 0, 0, 0, 4, 0, 1, 0,
                          0,   1,   2,   0x42, 0x0C, 0, 0x3B};
    EXPECT_EQ(ReadGif(narrow).picture.value().frames.at(0).indices, (Bytes{0, 0, 0, 0}));
}

TEST(GifReader, RoundTripsEveryCodeSizeShapeAndBlockSizeAndAFullTable)
{
    struct Shape { int width, height, subBlock; };
    for (int codeSize = 1; codeSize <= 8; ++codeSize) {
        for (const Shape shape : {Shape{1, 1, 255}, Shape{3, 7, 1}, Shape{64, 48, 255}, Shape{250, 3, 17}}) {
            SCOPED_TRACE(testing::Message() << "code size " << codeSize << ", " << shape.width << "x" << shape.height);
            const std::size_t area = static_cast<std::size_t>(shape.width) * shape.height;
            GifFrameSpec frame = PlainFrame(shape.width, shape.height, Pixels(area, codeSize, area + codeSize));
            frame.codeSize = codeSize;
            frame.subBlockSize = shape.subBlock;
            const GifResult result = ReadGif(WriteGif(OneFrame(frame)));
            ASSERT_TRUE(result.ok()) << result.message;
            EXPECT_EQ(result.picture->frames.at(0).indices, frame.pixels);
        }
    }
    // Noise fills the 4096-entry table; the writer then clears it or keeps coding at 12 bits.
    for (const bool clearWhenFull : {true, false}) {
        GifFrameSpec frame = PlainFrame(300, 200, Pixels(300 * 200, 8, 7));
        frame.clearWhenFull = clearWhenFull;
        const GifResult result = ReadGif(WriteGif(OneFrame(frame)));
        ASSERT_TRUE(result.ok()) << result.message;
        EXPECT_EQ(result.picture->frames[0].indices, frame.pixels) << clearWhenFull;
    }
}

TEST(GifReader, KeepsTablesDescriptorsAndControlValues)
{
    GifSpec gif;
    gif.width = 40;
    gif.height = 30;
    gif.globalColours = {1, 2, 3, 4, 5, 6, 7, 8, 9};  // padded to 4 entries
    GifFrameSpec first = PlainFrame(4, 2, Pixels(8, 2, 1));
    first.left = 5;
    first.top = 300;
    first.interlace = true;
    first.control = test::GifControlSpec{5, true, true, 0x1234, 77};
    first.extensions = {{0xFE, {'h', 'i'}}, {0xFF, Bytes(300, 'x')}, {0x01, {}}};
    GifFrameSpec second = PlainFrame(2, 2, {3, 2, 1, 0});
    second.localColours = Bytes(3 * 17, 9);  // padded to 32 entries
    gif.frames = {first, second};
    const GifResult result = ReadGif(WriteGif(gif));
    ASSERT_TRUE(result.ok()) << result.message;
    const GifPicture& picture = *result.picture;
    EXPECT_EQ((std::array{picture.width, picture.height}), (std::array{40, 30}));
    EXPECT_EQ(picture.globalColours, (Bytes{1, 2, 3, 4, 5, 6, 7, 8, 9, 0, 0, 0}));
    ASSERT_EQ(picture.frames.size(), 2u);
    const GifImage& a = picture.frames[0];
    const GifImage& b = picture.frames[1];
    EXPECT_EQ((std::array{a.left, a.top, a.width, a.height}), (std::array{5, 300, 4, 2}));
    EXPECT_EQ(a.indices, first.pixels);  // stream order, not de-interlaced
    EXPECT_TRUE(a.interlace && !a.localTable && b.localTable);
    EXPECT_EQ(b.localColours.size(), 96u);
    // The control extension belongs to the image right after it only.
    EXPECT_EQ((std::array{a.disposal, a.delay, a.transparentIndex, b.delay}), (std::array{5, 0x1234, 77, 0}));
}

TEST(GifReader, EndsImagesAtTheEndCodeOrWhereTheDataRunsOut)
{
    GifFrameSpec noEnd = PlainFrame(8, 8, Pixels(64, 8, 3));
    noEnd.endCode = false;
    EXPECT_TRUE(ReadGif(WriteGif(OneFrame(noEnd))).ok());

    // Codes after the end code are skipped, even ones that would overflow.
    GifFrameSpec trailing = PlainFrame(2, 2, {1, 1, 1, 1});
    trailing.endCode = false;
    trailing.extraCodes = {257, 1, 1, 1, 1, 1, 4000};
    const GifResult result = ReadGif(WriteGif(OneFrame(trailing)));
    ASSERT_TRUE(result.ok()) << result.message;
    EXPECT_EQ(result.picture->frames[0].indices, (Bytes{1, 1, 1, 1}));

    GifFrameSpec short_ = PlainFrame(3, 2, {7, 7});  // the rest stays 0
    EXPECT_EQ(ReadGif(WriteGif(OneFrame(short_))).picture.value().frames[0].indices, (Bytes{7, 7, 0, 0, 0, 0}));
}

TEST(GifReader, RefusesLzwDataThatCannotBeDecoded)
{
    GifFrameSpec tooMany = PlainFrame(4, 4, Pixels(17, 8, 5));
    GifFrameSpec aheadOfTable = PlainFrame(4, 4, {1, 2});
    aheadOfTable.extraCodes = {300};  // next free code is 259
    GifFrameSpec firstNotLiteral = PlainFrame(4, 4, {});
    firstNotLiteral.extraCodes = {258};
    GifFrameSpec codeSize0 = PlainFrame(4, 4, {}), codeSize12 = codeSize0;
    codeSize0.codeSize = 0;
    codeSize12.codeSize = 12;
    for (const GifFrameSpec& frame : {tooMany, aheadOfTable, firstNotLiteral, codeSize0, codeSize12})
        EXPECT_EQ(Message(WriteGif(OneFrame(frame))), gifmsg::kBadFrames);
}

TEST(GifReader, RefusesForeignSignaturesAndBlocks)
{
    GifSpec gif = OneFrame(PlainFrame(2, 2, {0, 1, 1, 0}));
    Bytes padded = WriteGif(gif);
    padded.insert(padded.end() - 1, {0x00, 0x00});  // zero bytes between blocks are skipped
    EXPECT_TRUE(ReadGif(padded).ok());
    padded.insert(padded.end() - 1, 0x42);
    EXPECT_EQ(Message(padded), gifmsg::kReadError);

    gif.signature = "GIF87a";
    EXPECT_EQ(Message(WriteGif(gif)), gifmsg::kUnsupported);
    gif.signature = "GIF89a";
    gif.frames[0].extensions = {{0x02, {1, 2, 3}}};
    EXPECT_EQ(Message(WriteGif(gif)), gifmsg::kReadError);
    gif.frames.clear();
    EXPECT_EQ(Message(WriteGif(gif)), gifmsg::kReadError);  // no image at all
}

TEST(GifReader, RefusesEveryTruncationOfAValidFile)
{
    GifSpec gif = OneFrame(PlainFrame(3, 3, Pixels(9, 2, 9)));
    gif.frames[0].control = test::GifControlSpec{};
    gif.frames.push_back(gif.frames[0]);
    gif.frames[1].localColours = {1, 2, 3};
    const Bytes bytes = WriteGif(gif);
    ASSERT_TRUE(ReadGif(bytes).ok());
    for (std::size_t length = 0; length < bytes.size(); ++length) {
        const Bytes cut(bytes.begin(), bytes.begin() + length);
        EXPECT_EQ(Message(cut), length < 6 ? gifmsg::kUnsupported : gifmsg::kReadError) << length;
    }
}

TEST(GifReader, LimitsTheTotalPixelAreaOfAllFrames)
{
    GifSpec gif = OneFrame(PlainFrame(8192, 8192, {}));  // exactly 64 Mi pixels
    const GifResult largest = ReadGif(WriteGif(gif));
    ASSERT_TRUE(largest.ok()) << largest.message;
    EXPECT_EQ(largest.picture->frames[0].indices.size(), 8192u * 8192u);
    gif.frames.push_back(PlainFrame(1, 1, {}));
    EXPECT_EQ(Message(WriteGif(gif)), gifmsg::kNoMemory);
    EXPECT_EQ(Message(WriteGif(OneFrame(PlainFrame(65535, 65535, {})))), gifmsg::kNoMemory);
}

TEST(GifReader, LoadsFilesAndReportsMissingOnes)
{
    const auto dir = std::filesystem::temp_directory_path() / "zan_gif_reader_test";
    std::filesystem::create_directories(dir);
    const Bytes bytes = WriteGif(OneFrame(PlainFrame(2, 1, {1, 0})));
    std::ofstream(dir / "a.gif", std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    EXPECT_EQ(LoadGif(dir / "a.gif").picture.value().frames.at(0).indices, (Bytes{1, 0}));
    EXPECT_EQ(LoadGif(dir / "missing.gif").message, gifmsg::kFileMissing);
    EXPECT_EQ(LoadGif(dir).message, gifmsg::kFileMissing);
    std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace zan
