// Every sample program run on the machine without a window, drawing the
// lathe view as the window does: the whole frame at the end must be its
// golden picture (tests/data/view/NAME.png) pixel for pixel. A web page and
// the desktop show this same frame. The pictures change on purpose only:
// tests/core/update-view-golden.sh BUILD draws them anew; read their diff.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/files/png_file.h"
#include "core/station/headless.h"
#include "support/png_read.h"

namespace zan::test {
namespace {

namespace fs = std::filesystem;

const fs::path kSource = fs::path(ZAN_TEST_DATA).parent_path().parent_path();
const fs::path kGolden = fs::path(ZAN_TEST_DATA) / "view";

std::string ReadText(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

RgbPicture AsPicture(const RgbaFrame& frame)
{
    RgbPicture picture(frame.width(), frame.height(), 0);
    for (int y = 0; y < frame.height(); ++y)
        for (int x = 0; x < frame.width(); ++x) picture.Set(x, y, frame.At(x, y) & 0xFFFFFFu);
    return picture;
}

// The frame against the golden picture: the differing pixels, the first named.
::testing::AssertionResult SameAsGolden(const RgbaFrame& frame, const fs::path& golden, const fs::path& failed)
{
    const auto expected = ReadPngFile(golden);
    if (!expected) return ::testing::AssertionFailure() << "no golden picture " << golden;
    if (expected->width != frame.width() || expected->height != frame.height())
        return ::testing::AssertionFailure() << golden << " is not " << frame.width() << " x " << frame.height();
    long differing = 0;
    std::ostringstream first;
    for (int y = 0; y < frame.height(); ++y)
        for (int x = 0; x < frame.width(); ++x) {
            const std::uint32_t want = expected->pixels[static_cast<std::size_t>(y) * frame.width() + x];
            if (frame.At(x, y) == want) continue;
            if (differing++ == 0) first << std::hex << " first at (" << std::dec << x << "," << y << "): 0x" << std::hex
                                        << frame.At(x, y) << " for 0x" << want;
        }
    if (differing == 0) return ::testing::AssertionSuccess();
    WritePngFile(failed, AsPicture(frame));
    return ::testing::AssertionFailure() << differing << " pixels differ from " << golden << first.str() << "; drawn: "
                                         << failed;
}

TEST(ViewGolden, SampleProgramsEndAsTheirPictures)
{
    const bool update = std::getenv("ZAN_UPDATE_GOLDEN") != nullptr;
    // The turret's animation frames, as they lie beside the program.
    HeadlessSetup setup;
    setup.folder = ProgramFolder(kSource / "resources" / "turret");
    setup.drawView = true;
    HeadlessMachine machine(setup);
    int programs = 0;
    for (const auto& entry : fs::directory_iterator(kSource / "resources" / "programs")) {
        if (entry.path().extension() != ".zan") continue;
        ++programs;
        const std::string name = entry.path().stem().string();
        machine.Reset();
        machine.LoadProgram(ReadText(entry.path()));
        ASSERT_EQ(machine.Run(RunLimits{}), RunEnd::Finished) << name;
        const RgbaFrame& frame = machine.view()->frame();
        const fs::path golden = kGolden / (name + ".png");
        if (update) {
            ASSERT_TRUE(WritePngFile(golden, AsPicture(frame))) << golden;
            continue;
        }
        EXPECT_TRUE(SameAsGolden(frame, golden, fs::current_path() / ("view_" + name + ".png"))) << name;
    }
    EXPECT_GE(programs, 7);
}

// Drawing changes nothing the machine does: the same program leaves the
// same workpiece with and without a view.
TEST(ViewGolden, DrawingLeavesTheRunAlone)
{
    const std::string program = ReadText(kSource / "resources" / "programs" / "01.zan");
    HeadlessSetup setup;
    setup.folder = ProgramFolder(kSource / "resources" / "turret");
    HeadlessMachine quiet(setup);
    setup.drawView = true;
    HeadlessMachine drawn(setup);
    ASSERT_EQ(quiet.view(), nullptr);
    for (HeadlessMachine* machine : {&quiet, &drawn}) {
        machine->LoadProgram(program);
        ASSERT_EQ(machine->Run(RunLimits{}), RunEnd::Finished);
    }
    EXPECT_EQ(quiet.turns(), drawn.turns());
    EXPECT_EQ(quiet.lathe().state.profile, drawn.lathe().state.profile);
}

}  // namespace
}  // namespace zan::test
