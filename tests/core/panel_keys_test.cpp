// Key dispatch: the second key pad's codes, the mode keys with their lamps
// and refusals, ESC, the step key, and the list keys of the parameter and
// offset screens.

#include <gmock/gmock.h>

#include "support/panel_rig.h"

namespace zan::test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::UnorderedElementsAre;

struct PanelKeysTest : ::testing::Test {
    TempFolder folder;
    PanelRig rig{folder.dir};
    void SetUp() override { rig.Show(); }
    std::array<int, 2> Bits() { return rig.state().bitCursors; }
};

TEST_F(PanelKeysTest, PadCodes)
{
    for (char code : {'1', '2', '3', '4'}) EXPECT_EQ(rig.panel.KeyCode(code), kCodeRefused);
    for (char code : {'\0', 'Z', 'n'}) EXPECT_EQ(rig.panel.KeyCode(code), kCodeUnknown);
    EXPECT_EQ(rig.panel.KeyCode('G'), kCodeDone);  // JOG
    EXPECT_EQ(rig.state().mode, PanelMode::Manual);
    for (char code : {'1', '2', '3', '4'}) EXPECT_EQ(rig.panel.KeyCode(code), kCodeDone);
    rig.machine().jogActive = true;
    EXPECT_EQ(rig.panel.KeyCode(kJogReleaseCode), kCodeDone);
    EXPECT_FALSE(rig.machine().jogActive);
}

TEST_F(PanelKeysTest, EditorFieldRefusesTextPastItsLimit)
{
    // A paste that would take the field past its limit is undone whole, the
    // caret where it was typed, with the controller's message.
    const std::string text(kEditorLimit - 1, 'G');
    rig.fields.SetText(FieldId::Editor, text);
    rig.panel.FieldChanged(FieldId::Editor);
    EXPECT_THAT(rig.alerts.messages, IsEmpty());
    rig.fields.SetSelection(FieldId::Editor, Selection{5, 5});
    rig.fields.ReplaceSelection(FieldId::Editor, "编号");
    rig.panel.FieldChanged(FieldId::Editor);
    EXPECT_EQ(rig.fields.Text(FieldId::Editor), text);
    EXPECT_EQ(rig.fields.GetSelection(FieldId::Editor), (Selection{5, 5}));
    EXPECT_THAT(rig.alerts.messages, ElementsAre("已达到输入字符的极限!"));
    rig.fields.ReplaceSelection(FieldId::Editor, "编");  // exactly the limit
    rig.panel.FieldChanged(FieldId::Editor);
    EXPECT_EQ(rig.fields.Text(FieldId::Editor), "GGGGG编" + text.substr(5));
    EXPECT_EQ(rig.alerts.messages.size(), 1u);
}

TEST_F(PanelKeysTest, EditorDropsControlCharactersAndKeepsTheRest)
{
    // A paste may bring a NUL (which would end the program at the next
    // opening), a lone CR or a tab: those go, the line breaks stay.
    rig.fields.SetText(FieldId::Editor, "N0000");
    rig.fields.SetSelection(FieldId::Editor, Selection{1, 1});
    rig.fields.ReplaceSelection(FieldId::Editor, std::string("G\0" "1\r\t\n", 6));
    rig.panel.FieldChanged(FieldId::Editor);
    EXPECT_EQ(rig.fields.Text(FieldId::Editor), "NG1\n0000");
    EXPECT_EQ(rig.fields.GetSelection(FieldId::Editor), (Selection{4, 4}));
}

TEST_F(PanelKeysTest, OnlyJogKeysReportThePress)
{
    rig.window.Clear();
    rig.Click(KeyId::JogZPlus);  // outside Manual the Z keys only redraw, on press and release
    rig.Click(KeyId::JogXMinus);
    EXPECT_EQ(rig.window.screens, 2);
    rig.panel.KeyDown(KeyId::ParameterMode);
    EXPECT_EQ(rig.state().mode, PanelMode::Edit);
    rig.panel.KeyUp(KeyId::ParameterMode);
    EXPECT_EQ(rig.state().mode, PanelMode::Parameter);
}

TEST_F(PanelKeysTest, KeysWithoutMachineWorkOutsideManual)
{
    rig.window.Clear();
    rig.Click(KeyId::Lubrication);
    EXPECT_THAT(rig.window.calls, IsEmpty());
    rig.Click(KeyId::ToolChange);  // redraws, but only Manual turns the turret
    EXPECT_EQ(rig.machine().toolStation, 1);
    EXPECT_EQ(rig.window.screens, 1);
    rig.Click(KeyId::HandwheelZ);
    EXPECT_THAT(rig.alerts.messages, ElementsAre("未安装功能!"));
    rig.Click(KeyId::ManualMode);
    rig.Click(KeyId::ToolChange);
    EXPECT_EQ(rig.machine().toolStation, 2);
}

TEST_F(PanelKeysTest, StepKeyIsIgnoredOnceAfterAnUndefinedCode)
{
    rig.Click(KeyId::StepKey);  // outside Manual: nothing
    EXPECT_TRUE(rig.state().jogSelector);
    rig.fields.SetText(FieldId::Editor, "N0010 G01 X10\nN0020 M07");
    rig.Click(KeyId::ManualMode);  // reported, and the mode changes all the same
    EXPECT_THAT(rig.alerts.messages, ElementsAre("N0020 M07(未定义的'M'代码!)"));
    EXPECT_EQ(rig.state().mode, PanelMode::Manual);
    rig.Click(KeyId::StepKey);
    EXPECT_TRUE(rig.state().jogSelector);
    rig.Click(KeyId::StepKey);
    EXPECT_FALSE(rig.state().jogSelector);
}

TEST_F(PanelKeysTest, ModeLampsFollowTheModeUnlessAProgramRunsOrIsHeld)
{
    rig.Click(KeyId::ManualMode);
    rig.Light(KeyId::Rapid);
    rig.Light(KeyId::Dry);
    rig.Click(KeyId::AutoMode);
    EXPECT_THAT(rig.LitLamps(), ElementsAre(KeyId::AutoMode));
    rig.machine().runFlag = true;
    rig.Click(KeyId::OffsetMode);
    EXPECT_THAT(rig.LitLamps(), ElementsAre(KeyId::AutoMode));
    rig.machine().runFlag = false;
    rig.Click(KeyId::OffsetMode);
    EXPECT_THAT(rig.LitLamps(), ElementsAre(KeyId::OffsetMode));
}

TEST_F(PanelKeysTest, FeedHoldRefusesEveryModeKeyButAuto)
{
    rig.Click(KeyId::AutoMode);
    rig.Light(KeyId::FeedHold);
    rig.window.Clear();
    for (KeyId key : {KeyId::EditMode, KeyId::ManualMode, KeyId::ParameterMode, KeyId::OffsetMode,
                      KeyId::DiagnosisMode})
        rig.Click(key);
    EXPECT_THAT(rig.window.calls, IsEmpty());
    rig.Click(KeyId::AutoMode);
    EXPECT_THAT(rig.window.calls, ElementsAre("screen"));
}

TEST_F(PanelKeysTest, LeavingEditClosesTheProgramWhichEditItselfRefuses)
{
    rig.state().programOpen = true;
    for (FieldId id : kAllFields) rig.fields.Place(id, Rect{23, 59, 266, 215});
    rig.Click(KeyId::EditMode);
    EXPECT_TRUE(rig.fields.Shown(FieldId::Editor));
    rig.Click(KeyId::DiagnosisMode);
    EXPECT_FALSE(rig.state().programOpen);
    for (FieldId id : kAllFields) EXPECT_FALSE(rig.fields.Shown(id));
}

TEST_F(PanelKeysTest, EscOnAHeldProgramAbortsIt)
{
    rig.Click(KeyId::AutoMode);
    rig.Light(KeyId::CycleStart);
    rig.Light(KeyId::FeedHold);
    rig.machine().lineIndex = 5;
    rig.Click(KeyId::Esc);
    EXPECT_EQ(rig.machine().lineIndex, 0);
    EXPECT_THAT(rig.LitLamps(), ElementsAre(KeyId::AutoMode));
    rig.machine().lineIndex = 5;
    rig.Click(KeyId::Esc);  // nothing held: nothing aborted
    EXPECT_EQ(rig.machine().lineIndex, 5);
}

TEST_F(PanelKeysTest, ListRowsStayWithinTheirLists)
{
    rig.Click(KeyId::ParameterMode);
    rig.Click(KeyId::CursorUp);
    EXPECT_EQ(rig.state().parameterRow, 1);
    rig.Click(KeyId::CursorDown, 25);
    EXPECT_EQ(rig.state().parameterRow, 23);
    rig.Click(KeyId::OffsetMode);
    rig.Click(KeyId::CursorDown, 20);
    EXPECT_EQ(rig.state().offsetRow, 18);
    rig.Click(KeyId::CursorUp, 20);
    EXPECT_EQ(rig.state().offsetRow, 1);
}

TEST_F(PanelKeysTest, BitCursorsWrapAndMovingTheRowClearsThem)
{
    rig.Click(KeyId::ParameterMode);
    rig.Click(KeyId::CursorDown, 10);  // P11
    rig.Click(KeyId::CursorLeft);      // from none to the last digit
    EXPECT_EQ(Bits(), (std::array<int, 2>{8, 0}));
    rig.Click(KeyId::CursorRight);     // past the last to the first
    EXPECT_EQ(Bits(), (std::array<int, 2>{1, 0}));
    rig.Click(KeyId::CursorLeft);
    EXPECT_EQ(Bits(), (std::array<int, 2>{8, 0}));
    rig.Click(KeyId::CursorDown);
    rig.Click(KeyId::CursorRight);     // P12: from none to the first
    EXPECT_EQ(Bits(), (std::array<int, 2>{0, 1}));
}

}  // namespace
}  // namespace zan::test
