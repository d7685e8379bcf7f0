// Manual commands whose effect the LCD does not show: the program reference
// point and the Z work coordinate; and which spindle keys redraw outside
// Manual.

#include <gmock/gmock.h>

#include "support/panel_rig.h"

namespace zan::test {
namespace {

struct ManualEntryTest : ::testing::Test {
    TempFolder folder;
    PanelRig rig{folder.dir};
    void SetUp() override
    {
        rig.Show();
        rig.Click(KeyId::ManualMode);
    }
};

TEST_F(ManualEntryTest, ZeroOnAnEmptyCoordinateBoxSetsTheReferencePoint)
{
    rig.Click(KeyId::Input);
    rig.Click(KeyId::Digit0);
    EXPECT_EQ(rig.fields.Text(FieldId::Prompt), "设置程序参考点?");
    EXPECT_FALSE(rig.fields.Shown(FieldId::Editor));
    rig.machine().posZ = 600.5f;
    rig.machine().posX = 400.25f;
    rig.Click(KeyId::Enter);
    EXPECT_EQ(rig.machine().refZ, 600.5f);
    EXPECT_EQ(rig.machine().refX, 400.25f);
    EXPECT_FALSE(rig.fields.Shown(FieldId::Prompt));
    // The question stays: ENTER sets the point again where the tool is now.
    rig.machine().posZ = 700.0f;
    rig.Click(KeyId::Enter);
    EXPECT_EQ(rig.machine().refZ, 700.0f);
    EXPECT_EQ(rig.panel.manualCommand().entryState, EntryState::ReferencePoint);
}

TEST_F(ManualEntryTest, ZeroAfterTheAxisIsTyped)
{
    rig.Click(KeyId::Input);
    rig.Click(KeyId::Z);
    rig.Click(KeyId::Minus);
    rig.Click(KeyId::Digit1);
    rig.Click(KeyId::Digit0);
    EXPECT_EQ(rig.fields.Text(FieldId::Editor), "Z-10");
    rig.Click(KeyId::Enter);
    // The tool at column 500 reads Z -10.
    EXPECT_EQ(rig.machine().originZ, -510.0f);
    EXPECT_EQ(rig.panel.manualCommand().entryState, EntryState::None);
    EXPECT_FALSE(rig.fields.Shown(FieldId::Editor));
}

TEST_F(ManualEntryTest, OnlySpindleForwardRedrawsOutsideManual)
{
    rig.Click(KeyId::EditMode);
    rig.window.Clear();
    rig.Click(KeyId::SpindleStop);
    rig.Click(KeyId::SpindleReverse);
    EXPECT_EQ(rig.window.screens, 0);
    rig.Click(KeyId::SpindleForward);
    EXPECT_EQ(rig.window.screens, 1);
    EXPECT_EQ(rig.machine().spindleState, 0);
}

}  // namespace
}  // namespace zan::test
