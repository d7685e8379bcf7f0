// Where an installed copy and a copy in the build tree keep their files: the
// read-only data of the installation, each user's own program folder made
// once and seeded without ever replacing a student's program.

#include <gmock/gmock.h>

#include <fstream>

#include "core/files/data_folders.h"
#include "core/files/program_file.h"
#include "support/panel_rig.h"

namespace zan::test {
namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAre;

void Put(const fs::path& file, std::string_view bytes)
{
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << bytes;
}

// An installation under `root`: root/bin and root/share/zan400lt with its
// help text and two sample programs.
struct Installed {
    explicit Installed(const fs::path& root) : bin(root / "bin"), share(root / "share" / "zan400lt")
    {
        fs::create_directories(bin);
        Put(share / kHelpFileName, "help");
        Put(share / kSamplesFolder / "01.zan", "N0000 sample one");
        Put(share / kSamplesFolder / "02.zan", "N0000 sample two");
        Put(share / kSamplesFolder / "notes.txt", "not a program");
    }
    fs::path bin;
    fs::path share;
};

// A configuration folder without a class set-up: whatever the machine has
// in /etc/xdg plays no part in the test.
std::string NoSetup(const TempFolder& temp) { return (temp.dir / "no-setup").string(); }

std::vector<std::string> Names(const fs::path& dir)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(DataFoldersTest, PerUserFolderFollowsXdgDataHomeOnlyWhenItIsAbsolute)
{
    EXPECT_EQ(UserProgramFolder({"/x/data", "/home/li", ""}), fs::path("/x/data/zan400lt"));
    EXPECT_EQ(UserProgramFolder({"", "/home/li", ""}), fs::path("/home/li/.local/share/zan400lt"));
    EXPECT_EQ(UserProgramFolder({"relative/data", "/home/li", ""}), fs::path("/home/li/.local/share/zan400lt"));
    EXPECT_EQ(UserProgramFolder({"", "", ""}), fs::path());
}

TEST(DataFoldersTest, BuildTreeKeepsEverythingBesideTheExecutable)
{
    TempFolder temp;
    const DataFolders folders = ResolveDataFolders(temp.dir, {"", "/home/li", ""}, std::nullopt);
    EXPECT_FALSE(folders.installed);
    EXPECT_FALSE(folders.perUser);
    EXPECT_EQ(folders.data.dir(), temp.dir);
    EXPECT_EQ(folders.programs.dir(), temp.dir);
    EXPECT_EQ(PrepareProgramFolder(folders), "");
}

TEST(DataFoldersTest, InstalledCopyReadsShareAndWritesTheUsersFolder)
{
    TempFolder temp;
    const Installed install(temp.dir / "usr");
    const DataFolders folders = ResolveDataFolders(install.bin, {"", (temp.dir / "home").string(), NoSetup(temp)}, std::nullopt);
    EXPECT_TRUE(folders.installed);
    EXPECT_TRUE(folders.perUser);
    EXPECT_EQ(folders.data.dir(), install.share);
    EXPECT_EQ(folders.programs.dir(), temp.dir / "home/.local/share/zan400lt");

    // --programs wins over both, and such a folder is left as it is.
    const DataFolders chosen = ResolveDataFolders(install.bin, {"", (temp.dir / "home").string(), NoSetup(temp)}, temp.dir / "class");
    EXPECT_EQ(chosen.data.dir(), install.share);
    EXPECT_EQ(chosen.programs.dir(), temp.dir / "class");
    EXPECT_FALSE(chosen.perUser);
    EXPECT_EQ(PrepareProgramFolder(chosen), "");
    EXPECT_FALSE(fs::exists(temp.dir / "class"));
}

TEST(DataFoldersTest, FirstStartSeedsTheSamplesAndLaterStartsLeaveTheFolderAlone)
{
    TempFolder temp;
    const Installed install(temp.dir / "usr");
    const DataFolders folders = ResolveDataFolders(install.bin, {(temp.dir / "xdg").string(), "", NoSetup(temp)}, std::nullopt);
    ASSERT_EQ(PrepareProgramFolder(folders), "");
    const fs::path& mine = folders.programs.dir();
    EXPECT_THAT(Names(mine), ElementsAre("01.zan", "02.zan"));
    EXPECT_EQ(ReadFileBytes(mine / "02.zan"), "N0000 sample two");

    // The student's own 01.zan and a deleted 02.zan stay as the student left them.
    Put(mine / "01.zan", "N0000 my own");
    fs::remove(mine / "02.zan");
    ASSERT_EQ(PrepareProgramFolder(folders), "");
    EXPECT_THAT(Names(mine), ElementsAre("01.zan"));
    EXPECT_EQ(ReadFileBytes(mine / "01.zan"), "N0000 my own");
    // Nothing was written into the installation.
    EXPECT_THAT(Names(install.share), ElementsAre("anouncement.txt", "samples"));
}

// An instructor's set-up in the system configuration folders seeds every new
// student's folder: the most important folder wins, then the samples fill
// the numbers still free; files of other kinds stay out.
TEST(DataFoldersTest, ClassSetUpSeedsANewFolderBeforeTheSamples)
{
    EXPECT_THAT(ClassSetupFolders({"", "", ""}), ElementsAre(fs::path("/etc/xdg/zan400lt")));
    EXPECT_THAT(ClassSetupFolders({"", "", "/a:rel:/b/"}), ElementsAre(fs::path("/a/zan400lt"), fs::path("/b/zan400lt")));

    TempFolder temp;
    const Installed install(temp.dir / "usr");
    Put(temp.dir / "site/zan400lt/Pset.dat", "site parameters");
    Put(temp.dir / "site/zan400lt/01.zan", "N0000 exercise one");
    Put(temp.dir / "site/zan400lt/readme.txt", "not for students");
    Put(temp.dir / "vendor/zan400lt/01.zan", "N0000 vendor's one");
    Put(temp.dir / "vendor/zan400lt/Dset.dat", "vendor offsets");
    const std::string dirs = (temp.dir / "site").string() + ":" + (temp.dir / "vendor").string();
    const DataFolders folders = ResolveDataFolders(install.bin, {(temp.dir / "xdg").string(), "", dirs}, std::nullopt);
    ASSERT_EQ(PrepareProgramFolder(folders), "");
    const fs::path& mine = folders.programs.dir();
    EXPECT_THAT(Names(mine), ElementsAre("01.zan", "02.zan", "Dset.dat", "Pset.dat"));
    EXPECT_EQ(ReadFileBytes(mine / "01.zan"), "N0000 exercise one");
    EXPECT_EQ(ReadFileBytes(mine / "02.zan"), "N0000 sample two");
    EXPECT_EQ(ReadFileBytes(mine / "Dset.dat"), "vendor offsets");
}

TEST(DataFoldersTest, AFolderThatCannotBeMadeIsReported)
{
    TempFolder temp;
    const Installed install(temp.dir / "usr");
    Put(temp.dir / "xdg", "a file where the folder should be");
    const DataFolders folders = ResolveDataFolders(install.bin, {(temp.dir / "xdg").string(), "", NoSetup(temp)}, std::nullopt);
    EXPECT_THAT(PrepareProgramFolder(folders), ::testing::StartsWith("cannot make the program folder"));
}

}  // namespace
}  // namespace zan::test
