// Values typed on the parameter and offset screens: the bytes they leave in
// Pset.dat and Dset.dat, what the next start reads back, the machine taking
// an offset typed here, and saves into a folder that cannot be written.

#include <gmock/gmock.h>

#include <fstream>
#include <string>

#include "core/files/file_replace.h"
#include "core/panel/panel_messages.h"
#include "support/panel_rig.h"

namespace zan::test {
namespace {

namespace fs = std::filesystem;
using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::Field;
using ::testing::IsEmpty;

constexpr int kRecordBytes = 11;

// INPUT, the value typed into the box INPUT opened, ENTER.
void EnterValue(PanelRig& rig, std::string_view text)
{
    rig.Click(KeyId::Input);
    rig.fields.ReplaceSelection(rig.fields.focused(), text);
    rig.Click(KeyId::Enter);
}

std::string Bytes(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string Record(const fs::path& file, int index) { return Bytes(file).substr(index * kRecordBytes, kRecordBytes); }

struct ValueEntryTest : ::testing::Test {
    TempFolder folder;
    PanelRig rig{folder.dir};
    void SetUp() override { rig.Show(); }
    fs::path File(std::string_view name) const { return folder.dir / name; }
};

TEST_F(ValueEntryTest, StoredValuesAreElevenByteRecordsThatTheNextStartReads)
{
    rig.Click(KeyId::ParameterMode);
    rig.Click(KeyId::CursorDown);
    EnterValue(rig, "-8000");
    rig.Click(KeyId::CursorDown);
    EnterValue(rig, "1.2345");  // the fourth decimal is dropped
    EXPECT_EQ(Bytes(File(kParameterFileName)).size(), 23u * kRecordBytes);
    EXPECT_EQ(Record(File(kParameterFileName), 1), "-08000.000 ");
    EXPECT_EQ(Record(File(kParameterFileName), 2), std::string("00001.234\0 ", kRecordBytes));

    rig.Click(KeyId::OffsetMode);
    rig.Click(KeyId::CursorDown);  // T1X: typed as a diameter, kept as a radius
    EnterValue(rig, "50");
    EXPECT_EQ(rig.state().offsets[1], 25.0);
    EXPECT_EQ(Bytes(File(kOffsetFileName)).size(), 18u * kRecordBytes);
    EXPECT_EQ(Record(File(kOffsetFileName), 1), std::string("00025.000\0 ", kRecordBytes));

    PanelRig next(folder.dir);
    next.Show();
    EXPECT_EQ(next.state().parameters[1], -8000.0);
    EXPECT_DOUBLE_EQ(next.state().parameters[2], 1.234);
    EXPECT_EQ(next.state().offsets[1], 25.0);
    next.Click(KeyId::OffsetMode);
    EXPECT_THAT(next.panel.screen().Texts(), Contains(Field(&LcdText::text, "T1X  0050.000")));
}

TEST_F(ValueEntryTest, EveryValueComesBackFromTheFiles)
{
    rig.Click(KeyId::ParameterMode);
    for (int p = 1; p <= kParameterCount; ++p) {
        if (p == 11 || p == 12) {
            // The bit parameters: digit 1 chosen, each key sets one digit.
            rig.Click(KeyId::CursorRight);
            for (const char bit : std::string_view(p == 11 ? "10110011" : "01001101"))
                rig.Click(bit == '1' ? KeyId::Digit1 : KeyId::Digit0);
        } else {
            const std::string sign = p % 2 == 0 ? "-" : "";
            EnterValue(rig, sign + std::to_string(p * 397) + "." + std::to_string(100 + p * 37 % 900));
        }
        rig.Click(KeyId::CursorDown);
    }
    EXPECT_EQ(rig.state().parameters[10], 10110011.0);
    EXPECT_EQ(rig.state().parameters[11], 1001101.0);
    rig.Click(KeyId::OffsetMode);
    for (int row = 1; row <= kOffsetCount; ++row) {
        // X rows keep half of what is typed: an even last decimal halves exactly.
        EnterValue(rig, (row % 3 == 0 ? "-" : "") + std::to_string(row * 523) + "." + std::to_string(100 + row * 38));
        rig.Click(KeyId::CursorDown);
    }

    const PanelRig next(folder.dir);
    const PanelState& typed = rig.state();
    const PanelState& read = next.panel.state();
    for (int i = 0; i < kParameterCount; ++i) EXPECT_DOUBLE_EQ(read.parameters[i], typed.parameters[i]) << "P" << i + 1;
    for (int i = 0; i < kOffsetCount; ++i) EXPECT_DOUBLE_EQ(read.offsets[i], typed.offsets[i]) << "offset " << i + 1;
    EXPECT_DOUBLE_EQ(read.parameters[21], -(22 * 397 + (100 + 22 * 37 % 900) / 1000.0));
}

// The program's T word makes the offsets typed on the screen act: the tool
// ends up further by the X radius and the Z offset, while the read-out
// subtracts them again.
TEST(ValueEntryMachineTest, AnOffsetTypedOnTheScreenMovesTheToolWhenTheProgramAppliesIt)
{
    TempFolder folder;
    std::ofstream(folder.dir / "01.zan", std::ios::binary) << "N0000 T11\r\nN0010 G00 X100 Z50\r\nN0020 M30 \r\n";
    PanelRig rig(folder.dir);
    rig.Show();
    auto run = [&rig] {
        rig.Click(KeyId::AutoMode);
        rig.Click(KeyId::CycleStart);
        for (int turn = 0; turn < 100000 && rig.machine().runFlag; ++turn) rig.Turn();
        ASSERT_FALSE(rig.machine().runFlag);
    };
    run();
    const float z = rig.machine().posZ;
    const float x = rig.machine().posX;

    rig.Click(KeyId::OffsetMode);
    EnterValue(rig, "-1.5");  // T1Z
    rig.Click(KeyId::CursorDown);
    EnterValue(rig, "3");  // T1X, a diameter
    run();
    EXPECT_FLOAT_EQ(rig.machine().posZ, z - 1.5f);
    EXPECT_FLOAT_EQ(rig.machine().posX, x + 1.5f);
    EXPECT_FLOAT_EQ(rig.state().displayOffsetZ, 1.5f);
    EXPECT_FLOAT_EQ(rig.state().displayOffsetX, -1.5f);
    EXPECT_THAT(rig.alerts.messages, IsEmpty());
}

// Every digit key on the parameter screen saves the file again: a file that
// cannot be written is reported once, not on every key.
TEST_F(ValueEntryTest, AFileThatCannotBeWrittenIsReportedOnce)
{
    fs::create_directory(File(kParameterFileName));  // no file can take a folder's place
    rig.Click(KeyId::ParameterMode);
    rig.Click(KeyId::Input);
    rig.Click(KeyId::Digit4, 3);
    rig.Click(KeyId::Enter);
    EXPECT_THAT(rig.alerts.messages, ElementsAre(msg::kCannotSaveParameters));
    EXPECT_EQ(rig.state().parameters[0], 444.0);  // the value in memory stays
}

// A folder no one may write to, not even root: one message for the folder,
// whatever is saved into it afterwards.
TEST(ValueEntrySaveTest, AFolderThatCannotBeWrittenIsReportedOnce)
{
    const fs::path folder = "/proc/self";
    if (!fs::is_directory(folder) || FolderWritable(folder)) GTEST_SKIP() << "no folder closed to every user";
    PanelRig rig(folder);
    rig.Show();
    rig.Click(KeyId::ParameterMode);
    rig.Click(KeyId::Input);
    rig.Click(KeyId::Digit2, 3);  // each key saves the file
    rig.Click(KeyId::Enter);
    rig.Click(KeyId::OffsetMode);
    EnterValue(rig, "7");
    EXPECT_THAT(rig.alerts.messages, ElementsAre(std::string(msg::kFolderReadOnly) + folder.string()));
    EXPECT_EQ(rig.state().parameters[0], 222.0);
    EXPECT_EQ(rig.state().offsets[0], 7.0);
}

}  // namespace
}  // namespace zan::test
