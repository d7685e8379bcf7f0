// Tool selection and the turret animation.

#include <gmock/gmock.h>

#include <filesystem>
#include <fstream>

#include "core/files/gif_reader.h"
#include "core/lathe/messages.h"
#include "support/fakes.h"

namespace zan::test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

// A 1 x 1 picture: black on a two-colour global table.
const unsigned char kTinyGif[] = {'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0x80, 0, 0, 0, 0, 0, 255, 255, 255,
                                  0x2C, 0, 0, 0, 0, 1, 0, 1, 0, 0, 2, 2, 0x44, 0x01, 0, 0x3B};

struct TurretTest : ::testing::Test {
    std::filesystem::path dir;
    std::unique_ptr<Rig> rig;

    void SetUp() override
    {
        dir = std::filesystem::temp_directory_path() /
              ("zan-turret-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(dir);
        for (auto name : kTurretFrameFiles) {
            std::ofstream out(dir / name, std::ios::binary);
            out.write(reinterpret_cast<const char*>(kTinyGif), sizeof kTinyGif);
        }
        rig = std::make_unique<Rig>(StationOptions{false, ProgramFolder(dir), {}});
    }
    void TearDown() override { std::filesystem::remove_all(dir); }

    std::vector<std::string> Frames()
    {
        std::vector<std::string> names;
        for (const auto& call : rig->display.calls)
            if (call.rfind("frame ", 0) == 0) names.push_back(call.substr(6));
        return names;
    }
};

TEST_F(TurretTest, TurnsForwardThroughEveryStation)
{
    rig->lathe->SelectTool(3);
    rig->Settle();
    EXPECT_THAT(Frames(), ElementsAre("12.gif", "2.gif", "23.gif", "3.gif"));
    EXPECT_EQ(rig->s().toolStation, 3);
    EXPECT_THAT(rig->clock.waits, ElementsAre(500, 500, 500, 500));

    rig->display.calls.clear();
    rig->lathe->SelectTool(1);
    rig->Settle();
    EXPECT_THAT(Frames(), ElementsAre("34.gif", "4.gif", "41.gif", "1.gif"));
    EXPECT_FALSE(rig->s().turretBusy);
    EXPECT_EQ(rig->display.tools.back().turretPicture, 1);
}

TEST_F(TurretTest, FramesSitAtTheirPlacesAndAreBlackedOut)
{
    rig->lathe->SelectTool(2);
    rig->Settle();
    ASSERT_EQ(rig->display.frames.size(), 2u);
    EXPECT_EQ(rig->display.frames[0].topLeft, (Point{393, 355}));  // turning: (x - 107, y - 107)
    EXPECT_EQ(rig->display.frames[1].topLeft, (Point{416, 388}));  // station: (x - 84, y - 74)
    EXPECT_EQ(rig->display.frames[0].palette[1], 0xFFFFFFu);
    EXPECT_EQ(rig->display.count("black 393 355 950 912"), 2);
    EXPECT_EQ(rig->display.calls.back(), "refresh 0 0 1000 768");  // station 2's region
}

TEST_F(TurretTest, NextToolWrapsFromFourToOne)
{
    rig->s().toolStation = 4;
    rig->station->MachineCommand(MachineLetter::NextTool);
    EXPECT_THAT(Frames(), ElementsAre("41.gif"));  // the first frame at once, the next when it is due
    EXPECT_EQ(rig->s().toolStation, 1);
    rig->Settle();
    EXPECT_THAT(Frames(), ElementsAre("41.gif", "1.gif"));
    EXPECT_EQ(rig->s().toolStation, 1);

    rig->s().toolStation = 5;  // the custom tool has no turret position
    rig->display.calls.clear();
    rig->station->MachineCommand(MachineLetter::NextTool);
    EXPECT_THAT(Frames(), IsEmpty());
    EXPECT_EQ(rig->s().toolStation, 1);
}

TEST_F(TurretTest, NoAnimationFromTheCustomToolInTraceModeOrAtTopSpeed)
{
    rig->lathe->SelectCustomTool();
    rig->lathe->SelectTool(3);
    rig->Settle();
    EXPECT_EQ(rig->s().toolStation, 3);
    rig->s().traceMode = true;
    rig->lathe->SelectTool(4);
    rig->Settle();
    rig->s().traceMode = false;
    rig->s().speedLevel = 4;
    rig->lathe->SelectTool(1);
    rig->Settle();
    EXPECT_THAT(Frames(), IsEmpty());
    EXPECT_EQ(rig->s().toolStation, 1);
}

TEST_F(TurretTest, OnlyStationTwoMayBeChosenWhileRunning)
{
    rig->s().runFlag = true;
    rig->lathe->SelectTool(3);
    rig->Settle();
    EXPECT_EQ(rig->s().toolStation, 1);
    EXPECT_THAT(rig->alerts.messages, ElementsAre(std::string(msg::kLatheRunning)));
    rig->lathe->SelectTool(2);
    rig->Settle();
    EXPECT_EQ(rig->s().toolStation, 2);
}

TEST_F(TurretTest, MissingFrameEndsTheAnimationButMountsTheTool)
{
    std::filesystem::remove(dir / "23.gif");
    rig->s().toolStation = 2;
    rig->lathe->SelectTool(4);
    rig->Settle();
    EXPECT_THAT(rig->alerts.messages, ElementsAre(std::string(gifmsg::kFileMissing)));
    EXPECT_THAT(Frames(), IsEmpty());
    EXPECT_FALSE(rig->s().turretBusy);
    EXPECT_EQ(rig->s().toolStation, 4);
    EXPECT_EQ(rig->display.tools.back().turretPicture, 4);
}

}  // namespace
}  // namespace zan::test
