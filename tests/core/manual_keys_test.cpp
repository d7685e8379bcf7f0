// Manual operation: the moves typed in Manual that cycle start carries out,
// and what the machine takes from the override keys (factors, jog rates).

#include <gmock/gmock.h>

#include "support/panel_rig.h"

namespace zan::test {
namespace {

struct ManualKeysTest : ::testing::Test {
    TempFolder folder;
    PanelRig rig{folder.dir};
    void SetUp() override
    {
        rig.Show();
        rig.Click(KeyId::ManualMode);
    }
    // A move as ENTER leaves it: its entry state and the typed value.
    void Typed(EntryState entryState, std::string text)
    {
        rig.panel.manualCommand().entryState = entryState;
        rig.panel.manualCommand().entryText = std::move(text);
        rig.panel.manualCommand().moveArmed = true;
    }
};

TEST_F(ManualKeysTest, TypedMovesGoWhereTheReadOutShowsTheValue)
{
    rig.Click(KeyId::ZReference);  // Z 300 in work coordinates
    ASSERT_FLOAT_EQ(rig.machine().posZ, 800.0f);

    Typed(EntryState::MoveZ, "0");  // Z0 with no tool offset applied: the work origin
    rig.Click(KeyId::CycleStart);
    EXPECT_FLOAT_EQ(rig.machine().posZ, 500.0f);
    EXPECT_FLOAT_EQ(rig.machine().posX, 462.0f);
    EXPECT_EQ(rig.panel.manualCommand().entryState, EntryState::None);
    EXPECT_EQ(rig.panel.manualCommand().entryText, "");
    EXPECT_FALSE(rig.machine().directMove);

    Typed(EntryState::MoveX, "200");  // X is a diameter
    rig.Click(KeyId::CycleStart);
    EXPECT_FLOAT_EQ(rig.machine().posX, 412.0f);
    EXPECT_FLOAT_EQ(rig.machine().posZ, 500.0f);

    Typed(EntryState::MoveU, "-20");  // U: by a diameter
    rig.Click(KeyId::CycleStart);
    EXPECT_FLOAT_EQ(rig.machine().posX, 402.0f);

    Typed(EntryState::MoveW, "-12.5");  // W
    rig.Click(KeyId::CycleStart);
    EXPECT_FLOAT_EQ(rig.machine().posZ, 487.5f);
    EXPECT_FLOAT_EQ(rig.machine().posX, 402.0f);

    // With a tool offset applied the read-out is shifted, and so is the target.
    rig.state().displayOffsetZ = -2.0f;
    rig.state().displayOffsetX = 1.5f;
    Typed(EntryState::MoveZ, "10");
    rig.Click(KeyId::CycleStart);
    EXPECT_FLOAT_EQ(rig.machine().posZ, 512.0f);
    Typed(EntryState::MoveX, "200");
    rig.Click(KeyId::CycleStart);
    EXPECT_FLOAT_EQ(rig.machine().posX, 410.5f);
}

TEST_F(ManualKeysTest, LeavingManualDropsAnArmedMove)
{
    Typed(EntryState::MoveW, "-5");
    rig.Click(KeyId::AutoMode);
    EXPECT_EQ(rig.panel.manualCommand().entryState, EntryState::None);
    EXPECT_FALSE(rig.panel.manualCommand().moveArmed);
    rig.Click(KeyId::CycleStart);  // the program starts; the tool has not moved
    EXPECT_FLOAT_EQ(rig.machine().posZ, 500.0f);
    EXPECT_TRUE(rig.machine().runFlag);
}

TEST_F(ManualKeysTest, AFeedOverrideOfZeroKeepsTheLastFeedFactor)
{
    rig.Click(KeyId::FeedDown, 3);
    EXPECT_FLOAT_EQ(rig.machine().feedFactor, 0.7f);
    rig.Click(KeyId::FeedDown, 7);
    EXPECT_EQ(rig.state().feedOverride, 0);
    EXPECT_FLOAT_EQ(rig.machine().feedFactor, 0.1f);
    rig.Click(KeyId::RapidDown);
    EXPECT_FLOAT_EQ(rig.machine().rapidFactor, 0.75f);
    rig.Click(KeyId::ParameterMode);  // elsewhere the keys do nothing
    rig.Click(KeyId::RapidDown);
    EXPECT_EQ(rig.state().rapidOverride, 75);
}

// Rapid: the whole rapid-rate parameters (P05 for Z, P06 for X) scaled by
// the rapid override; at feed 30 steps per second at 100 % feed override.
TEST_F(ManualKeysTest, JogRatesFollowRapidAndTheOverrides)
{
    rig.state().parameters[4] = 8000.7;
    rig.state().parameters[5] = 3001.9;
    rig.Click(KeyId::Rapid);
    rig.Click(KeyId::RapidDown);
    rig.Click(KeyId::JogZPlus);
    EXPECT_EQ(rig.machine().jogRateZ, 6000);
    EXPECT_EQ(rig.machine().jogRateX, 2250);
    EXPECT_FALSE(rig.machine().jogActive);

    rig.Click(KeyId::Rapid);
    rig.Click(KeyId::FeedDown, 3);
    rig.Click(KeyId::JogXMinus);
    EXPECT_EQ(rig.machine().jogRateZ, 21);
    EXPECT_EQ(rig.machine().jogRateX, 21);
    // The next unit is due 1000 / 21 ms after this one.
    EXPECT_EQ(rig.station.motion.JogDue().value_or(0) - rig.clock.NowMs(), 47);
}

}  // namespace
}  // namespace zan::test
