// Automatic operation: the position display's jitter, the lock switch, the
// menu's and the second key pad's cycle start and feed hold, and the bounds
// of the start block the cursor keys choose.

#include <gmock/gmock.h>

#include <cstdlib>
#include <string>

#include "core/files/program_file.h"
#include "support/panel_rig.h"

namespace zan::test {
namespace {

using ::testing::ElementsAre;

struct AutoKeysTest : ::testing::Test {
    TempFolder folder;
    PanelRig rig{folder.dir};
    void SetUp() override
    {
        rig.Show();
        rig.Click(KeyId::AutoMode);  // no program in the folder: its message, and Auto all the same
    }
    // The value of the position line drawn at y (80 X, 105 Z), in mm.
    double Shown(int y) const
    {
        for (const LcdText& t : rig.panel.screen().Texts())
            if (t.x == 65 && t.y == y) return std::stod(t.text.substr(1));
        ADD_FAILURE() << "no position line at y " << y;
        return 0.0;
    }
};

// Work positions (mm, X as a diameter) on both sides of zero and across it.
struct Place {
    float posZ;
    float posX;
};
constexpr Place kPlaces[] = {{500.0f, 462.0f}, {470.1234f, 360.98765f}, {499.9995f, 312.0002f}, {-0.5f, 0.25f}};

TEST_F(AutoKeysTest, BlockDisplayIsNeverBelowTheExactPositionAndAtMostOneAbove)
{
    constexpr int kDraws = 400;
    for (const Place& place : kPlaces) {
        rig.machine().posZ = place.posZ;
        rig.machine().posX = place.posX;
        rig.panel.RefreshLcd(ScreenCode::Auto);  // exact
        const double exactX = Shown(80);
        const double exactZ = Shown(105);
        int jittered = 0;
        for (int draw = 0; draw < kDraws; ++draw) {
            rig.station.PanelEvent(PanelEventCode::ShowRunLines);
            const double x = Shown(80);
            const double z = Shown(105);
            EXPECT_GE(x, exactX);
            EXPECT_LE(x, exactX + 1.0 + 1e-9);
            EXPECT_GE(z, exactZ);
            EXPECT_LE(z, exactZ + 1.0 + 1e-9);
            if (x != exactX && z != exactZ) ++jittered;
        }
        EXPECT_GT(jittered, kDraws / 2) << "posZ " << place.posZ << " posX " << place.posX;
        // Only the drawn text moves.
        EXPECT_EQ(rig.machine().posZ, place.posZ);
        EXPECT_EQ(rig.machine().posX, place.posX);
    }
}

TEST_F(AutoKeysTest, ManualPositionDisplayIsExactAndLeavesThePseudoRandomSequenceAlone)
{
    rig.Click(KeyId::ManualMode);
    std::srand(7);
    const int next = std::rand();
    std::srand(7);
    rig.Click(KeyId::XReference);  // moves, then the position display
    EXPECT_EQ(std::rand(), next);
    const double x = Shown(80);
    rig.panel.RefreshLcd(ScreenCode::Manual);
    EXPECT_EQ(Shown(80), x);
}

TEST_F(AutoKeysTest, LockSwitchClampsTheChuckAndActsOnlyInAutoWithoutARun)
{
    LatheState& m = rig.machine();
    m.chuckOpen = true;
    rig.Click(KeyId::Dry);
    EXPECT_TRUE(m.lockSwitch);
    EXPECT_FALSE(m.chuckOpen);
    m.runFlag = true;
    rig.Click(KeyId::Dry);
    EXPECT_TRUE(m.lockSwitch);
    m.runFlag = false;
    rig.Click(KeyId::Dry);
    EXPECT_FALSE(m.lockSwitch);
    EXPECT_THAT(rig.LitLamps(), ElementsAre(KeyId::AutoMode));
    rig.Click(KeyId::Dry);
    rig.Click(KeyId::OffsetMode);  // the lamp goes out, and the lock with it
    EXPECT_FALSE(m.lockSwitch);
    rig.Click(KeyId::Dry);
    EXPECT_FALSE(m.lockSwitch);
}

TEST_F(AutoKeysTest, MenuAndSecondPadStartAndHoldAsTheKeysDo)
{
    rig.station.PanelEvent(PanelEventCode::PressCycleStart);
    EXPECT_TRUE(rig.machine().runFlag);
    rig.station.PanelEvent(PanelEventCode::PressFeedHold);
    EXPECT_FALSE(rig.machine().runFlag);
    EXPECT_THAT(rig.LitLamps(), ElementsAre(KeyId::AutoMode, KeyId::FeedHold, KeyId::CycleStart));
    EXPECT_EQ(rig.panel.KeyCode('9'), kCodeDone);  // cycle start resumes
    EXPECT_TRUE(rig.machine().runFlag);
    EXPECT_THAT(rig.LitLamps(), ElementsAre(KeyId::AutoMode, KeyId::CycleStart));
    EXPECT_EQ(rig.panel.KeyCode('8'), kCodeDone);
    EXPECT_FALSE(rig.machine().runFlag);
    EXPECT_THAT(rig.LitLamps(), ElementsAre(KeyId::AutoMode, KeyId::FeedHold, KeyId::CycleStart));
}

// An empty line ends a run but not the choice: the student may start past it.
TEST_F(AutoKeysTest, StartBlockStaysWithinTheLinesThatHoldText)
{
    int& line = rig.machine().lineIndex;
    rig.Click(KeyId::Input);
    rig.Click(KeyId::CursorDown, 3);  // an empty table
    EXPECT_EQ(line, 0);
    LoadIntoLineTable("N0000 M03\r\n\r\nN0020 G00 X0\r\n", rig.machine().lineTable);
    rig.Click(KeyId::CursorDown, 5);
    EXPECT_EQ(line, 2);
    rig.Click(KeyId::CursorUp, 5);
    EXPECT_EQ(line, 0);
}

}  // namespace
}  // namespace zan::test
