// The program store: GB2312 files, names in order and at most 42 of them,
// copies and renames that never replace a program, deletion into the
// desktop's trash; and the panel's saves, which never lose the student's
// text and say once why they failed.

#include <gmock/gmock.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "core/files/file_replace.h"
#include "core/files/program_file.h"
#include "core/files/trash.h"
#include "core/panel/panel_messages.h"
#include "core/programs/program_store.h"
#include "support/panel_rig.h"

namespace zan::test {
namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

void Put(const fs::path& file, std::string_view bytes)
{
    std::ofstream(file, std::ios::binary) << bytes;
}

std::string Bytes(const fs::path& file) { return ReadFileBytes(file).value_or("(missing)"); }

struct ProgramStoreTest : ::testing::Test {
    TempFolder folder;
    ProgramStore store{folder.dir};
};

TEST_F(ProgramStoreTest, ChineseTextIsStoredAsGb2312AndReadBack)
{
    const std::string text = "N0000 (车外圆)\nN0010 M30";
    ASSERT_EQ(store.Save("05", text), SaveOutcome::Saved);
    EXPECT_EQ(Bytes(store.File("05")), "N0000 (\xB3\xB5\xCD\xE2\xD4\xB2)\r\nN0010 M30" + std::string("\0\r\n", 3));
    EXPECT_EQ(store.Read("05"), text);
    EXPECT_EQ(StoredLength(text), 25);  // bytes in the file before its zero byte
}

TEST_F(ProgramStoreTest, TextGb2312CannotHoldIsNotWrittenAndTheOldFileStays)
{
    ASSERT_EQ(store.Save("05", "N0000"), SaveOutcome::Saved);
    EXPECT_EQ(store.Save("05", "N0000 😀"), SaveOutcome::Unencodable);
    EXPECT_EQ(store.Read("05"), "N0000");
    // Bytes that are not GB2312 read as replacement characters, which no
    // save can write back over the file.
    Put(store.File("06"), "N0000 \xFF\xFF");
    const std::optional<std::string> damaged = store.Read("06");
    ASSERT_TRUE(damaged);
    EXPECT_EQ(store.Save("06", *damaged), SaveOutcome::Unencodable);
    EXPECT_EQ(Bytes(store.File("06")), "N0000 \xFF\xFF");
}

TEST_F(ProgramStoreTest, TheListingIsInOrderOfNamesAndStopsAt42Programs)
{
    for (int n = 42; n >= 0; --n) Put(folder.dir / ProgramFileName(n), "N0000");
    fs::create_directory(folder.dir / "99.zan");  // a folder is not a program
    Put(folder.dir / "notes.txt", "");
    const std::string listing = ListPrograms(folder.dir);
    EXPECT_EQ(listing.size(), 42u * 7);
    EXPECT_EQ(listing.substr(0, 14), "00.zan 01.zan ");
    EXPECT_EQ(listing.substr(listing.size() - 7), "41.zan ");
}

TEST_F(ProgramStoreTest, CopiesAndNewNamesNeverReplaceAProgram)
{
    Put(store.File("01"), std::string("G00\0\r\n", 6));
    Put(store.File("02"), std::string("G01\0\r\n", 6));
    EXPECT_EQ(store.Copy("01", "02"), PlaceResult::TargetExists);
    EXPECT_EQ(store.Rename("01", "02"), PlaceResult::TargetExists);
    EXPECT_EQ(Bytes(store.File("02")), std::string("G01\0\r\n", 6));
    EXPECT_EQ(Bytes(store.File("01")), std::string("G00\0\r\n", 6));

    EXPECT_EQ(store.Copy("01", "03"), PlaceResult::Done);
    EXPECT_EQ(Bytes(store.File("03")), std::string("G00\0\r\n", 6));
    EXPECT_EQ(store.Rename("03", "04"), PlaceResult::Done);
    EXPECT_FALSE(store.Exists("03"));
    EXPECT_EQ(Bytes(store.File("04")), std::string("G00\0\r\n", 6));
    EXPECT_EQ(store.Rename("07", "08"), PlaceResult::Failed);  // no such program
}

// The trash of the freedesktop.org desktops: the file, and where it came from.
struct TrashTest : ProgramStoreTest {
    TempFolder data;
    std::string saved = std::getenv("XDG_DATA_HOME") ? std::getenv("XDG_DATA_HOME") : "";
    TrashTest() { setenv("XDG_DATA_HOME", data.dir.c_str(), 1); }
    ~TrashTest() override
    {
        if (saved.empty())
            unsetenv("XDG_DATA_HOME");
        else
            setenv("XDG_DATA_HOME", saved.c_str(), 1);
    }
};

TEST_F(TrashTest, DeletedProgramsGoToTheTrashUnderNamesOfTheirOwn)
{
    Put(store.File("05"), "first");
    ASSERT_TRUE(store.Trash("05"));
    Put(store.File("05"), "second");
    ASSERT_TRUE(store.Trash("05"));
    EXPECT_FALSE(store.Exists("05"));
    const fs::path trash = data.dir / "Trash";
    EXPECT_EQ(Bytes(trash / "files" / "05.zan"), "first");
    EXPECT_EQ(Bytes(trash / "files" / "05.zan.2"), "second");
    const std::string info = Bytes(trash / "info" / "05.zan.trashinfo");
    EXPECT_THAT(info, ::testing::StartsWith("[Trash Info]\nPath=" + store.File("05").string() + "\nDeletionDate="));
    EXPECT_FALSE(store.Trash("05"));  // nothing left to delete
}

// The panel's side: opening, saving on every key, and failures.
struct ProgramKeysTest : ::testing::Test {
    TempFolder folder;
    PanelRig rig{folder.dir};
    void SetUp() override { rig.Show(); }
    // INPUT, the number, ENTER: the program opens in the editor.
    void Open(std::string_view number)
    {
        rig.Click(KeyId::Input);
        rig.fields.ReplaceSelection(FieldId::Editor, number);
        rig.panel.FieldChanged(FieldId::Editor);
        rig.Click(KeyId::Enter);
    }
    // Typed on the keyboard into the editor, as the window reports it.
    void Type(std::string_view text)
    {
        rig.fields.ReplaceSelection(FieldId::Editor, text);
        rig.panel.FieldChanged(FieldId::Editor);
    }
    std::string LengthShown() const
    {
        std::string shown;
        for (const LcdText& t : rig.panel.screen().Texts())
            if (t.x == 200 && t.y == 45) shown = t.text;
        return shown;
    }
};

TEST_F(ProgramKeysTest, AProgramOfFiveCharactersOpensWithItsFileLength)
{
    Put(folder.dir / "04.zan", std::string("N0000\0\r\n", 8));
    Open("04");
    EXPECT_EQ(rig.fields.Text(FieldId::Editor), "N0000");
    EXPECT_EQ(rig.fields.GetSelection(FieldId::Editor), (Selection{5, 5}));
    EXPECT_EQ(LengthShown(), "0008");
    Type(" G00");
    EXPECT_EQ(Bytes(folder.dir / "04.zan"), std::string("N0000 G00\0\r\n", 12));
    EXPECT_EQ(LengthShown(), "0009");  // after a save the read-out counts the text alone
}

TEST_F(ProgramKeysTest, AFailedSaveKeepsTheTextAndIsReportedOnce)
{
    Open("05");
    Type(" G00");
    fs::remove(folder.dir / "05.zan");
    fs::create_directory(folder.dir / "05.zan");  // the program's file cannot be replaced
    rig.alerts.messages.clear();
    Type(" X1");
    Type("0");
    EXPECT_THAT(rig.alerts.messages, ElementsAre(std::string(msg::kSaveError)));
    EXPECT_EQ(rig.fields.Text(FieldId::Editor), "N0000 G00 X10");
    fs::remove(folder.dir / "05.zan");
    Type(" Z1");  // the next save works again and writes the whole text
    EXPECT_EQ(Bytes(folder.dir / "05.zan"), std::string("N0000 G00 X10 Z1\0\r\n", 19));
    Type("😀");
    Type("😀");
    EXPECT_THAT(rig.alerts.messages, ElementsAre(std::string(msg::kSaveError), std::string(msg::kUnencodable)));
    EXPECT_EQ(Bytes(folder.dir / "05.zan"), std::string("N0000 G00 X10 Z1\0\r\n", 19));
}

// A read-only installation: the student learns it once, at the first key,
// and the text typed stays in the editor.
TEST(ProgramKeysReadOnlyTest, AFolderThatCannotBeWrittenIsReportedOnce)
{
    const fs::path folder = "/proc/self";  // closed to every user, root too
    if (!fs::is_directory(folder) || FolderWritable(folder)) GTEST_SKIP() << "no folder closed to every user";
    PanelRig rig{folder};
    rig.Show();
    rig.Click(KeyId::Input);
    rig.Click(KeyId::Digit0);
    rig.Click(KeyId::Digit5);
    rig.Click(KeyId::Enter);
    EXPECT_THAT(rig.alerts.messages, ElementsAre(std::string(msg::kCannotOpenOrCreate)));
    rig.Click(KeyId::G);
    rig.Click(KeyId::Digit1);
    rig.Click(KeyId::Digit1);
    ASSERT_EQ(rig.alerts.messages.size(), 2u);
    EXPECT_EQ(rig.alerts.messages[1], std::string(msg::kFolderReadOnly) + folder.string());
    EXPECT_EQ(rig.fields.Text(FieldId::Editor), " G11");
}

TEST_F(ProgramKeysTest, LeavingEditChecksTheOpenProgramOnce)
{
    Open("05");
    Type(" G99");
    rig.alerts.messages.clear();
    rig.Click(KeyId::ParameterMode);
    EXPECT_EQ(rig.alerts.messages.size(), 1u);
    EXPECT_FALSE(rig.state().programOpen);
}

TEST_F(ProgramKeysTest, INPUTOnAnOpenProgramClosesItWithoutEmptyingItsFile)
{
    Open("05");
    Type(" M30");
    rig.Click(KeyId::Input);
    EXPECT_EQ(Bytes(folder.dir / "05.zan"), std::string("N0000 M30\0\r\n", 12));
    EXPECT_FALSE(rig.state().programOpen);
}

}  // namespace
}  // namespace zan::test
