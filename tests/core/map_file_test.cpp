// Workpiece image files: the 1005 bytes, loading them, and the open command.

#include <gmock/gmock.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "core/lathe/workpiece_image.h"
#include "support/fakes.h"

namespace zan::test {
namespace {

namespace fs = std::filesystem;

struct MapFileTest : ::testing::Test {
    Rig rig;
    fs::path dir = fs::temp_directory_path() / ("zan-map-" + std::to_string(std::random_device{}()));
    MapFileTest() { fs::create_directories(dir); }
    ~MapFileTest() override { fs::remove_all(dir); }

    ChooseFile Chosen(const fs::path& path)
    {
        return [this, path] {
            ++choices;
            return std::optional<fs::path>(path);
        };
    }
    int choices = 0;
};

TEST_F(MapFileTest, StartUpImage)
{
    const MapImage image = BuildMapImage(rig.s());
    for (int k = 0; k < 1000; ++k) ASSERT_EQ(image[k], 75) << k;
    EXPECT_THAT(std::vector<int>(image.begin() + 1000, image.end()), ::testing::ElementsAre(100, 50, 0, 0, 0));
}

TEST_F(MapFileTest, WholeMillimetresBelowTheAxisToo)
{
    rig.s().profile[3] = 235.4;  // cut below the axis
    rig.s().profile[4] = 300.9;
    rig.s().blankEnd = 276;
    rig.s().blankDiameter = 199;
    const fs::path file = dir / "part.map";
    ASSERT_TRUE(WriteMapFile(file, rig.s()));
    EXPECT_EQ(fs::file_size(file), 1005u);
    EXPECT_EQ(static_cast<signed char>(BuildMapImage(rig.s())[3]), -6);

    Rig other;
    other.s().profile[1050] = 200;  // columns past the image keep their values
    ApplyMapImage(*ReadMapFile(file), other.s());
    EXPECT_DOUBLE_EQ(other.s().profile[3], 236);
    EXPECT_DOUBLE_EQ(other.s().profile[4], 300);
    EXPECT_DOUBLE_EQ(other.s().profile[5], 317);
    EXPECT_DOUBLE_EQ(other.s().profile[1050], 200);
    EXPECT_EQ(other.s().blankDiameter, 199);  // not -57
    EXPECT_EQ(other.s().blankEnd, 270);
}

TEST_F(MapFileTest, AShortFileReadsAsZeros)
{
    std::ofstream(dir / "short.map", std::ios::binary) << std::string(10, '\x05');
    OpenWorkpieceImage(*rig.lathe, Chosen(dir / "short.map"));
    EXPECT_DOUBLE_EQ(rig.s().profile[9], 247);
    EXPECT_DOUBLE_EQ(rig.s().profile[10], 242);
    EXPECT_DOUBLE_EQ(rig.s().profile[999], 242);
    EXPECT_EQ(rig.s().blankDiameter, 0);
    EXPECT_EQ(rig.s().blankEnd, 0);
    EXPECT_EQ(rig.display.count("refresh 153 142 1100 342"), 1);  // the workpiece is redrawn
}

TEST_F(MapFileTest, OpeningRetractsTheToolAndLeavesTheMachineAlone)
{
    rig.Cutting();
    rig.lathe->MoveTool(600, 441, MoveMode::Cut);
    rig.s().profile[600] = 250;
    ASSERT_TRUE(WriteMapFile(dir / "a.map", rig.s()));
    rig.s().profile[600] = 317;
    const int refreshesBefore = rig.panel.positionRefreshes;

    OpenWorkpieceImage(*rig.lathe, Chosen(dir / "a.map"));
    EXPECT_EQ(rig.s().drawnX, 540);
    EXPECT_EQ(rig.panel.positionRefreshes - refreshesBefore, 100);
    EXPECT_DOUBLE_EQ(rig.s().profile[600], 250);
    EXPECT_EQ(rig.s().spindleState, 1);
    EXPECT_FALSE(rig.s().chuckOpen);
    EXPECT_EQ(rig.s().toolStation, 1);
    EXPECT_TRUE(rig.alerts.messages.empty());
}

TEST_F(MapFileTest, RefusalsAndUnreadableFiles)
{
    rig.s().runFlag = true;
    OpenWorkpieceImage(*rig.lathe, Chosen(dir / "a.map"));
    EXPECT_THAT(rig.alerts.messages, ::testing::ElementsAre("程序在运行中!"));
    EXPECT_EQ(choices, 0);

    rig.s().runFlag = false;
    const std::size_t callsBefore = rig.display.calls.size();
    OpenWorkpieceImage(*rig.lathe, Chosen(dir / "missing.map"));
    OpenWorkpieceImage(*rig.lathe, [] { return std::optional<fs::path>(); });  // cancelled
    EXPECT_EQ(choices, 1);
    EXPECT_EQ(rig.display.calls.size(), callsBefore);  // tool low already, nothing loaded
    EXPECT_EQ(rig.alerts.messages.size(), 1u);
    EXPECT_EQ(rig.s().blankDiameter, 100);

    EXPECT_FALSE(WriteMapFile(dir / "missing" / "a.map", rig.s()));
}

}  // namespace
}  // namespace zan::test
