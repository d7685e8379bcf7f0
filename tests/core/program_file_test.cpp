// Program files: names, the stored format, and loading a program for a run.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "core/files/file_replace.h"
#include "core/files/program_file.h"
#include "core/files/program_load.h"

namespace zan::test {
namespace {

namespace fs = std::filesystem;

struct ProgramFileTest : ::testing::Test {
    fs::path dir = fs::temp_directory_path() / ("zan-programs-" + std::to_string(std::random_device{}()));
    ProgramFileTest() { fs::create_directories(dir); }
    ~ProgramFileTest() override { fs::remove_all(dir); }

    void Put(const fs::path& path, std::string_view bytes)
    {
        std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
};

std::string Row(const LineTable& table, int n) { return std::string(table.rows[n].data()); }

TEST(ProgramFileNameTest, TwoDigitsAndZan)
{
    EXPECT_EQ(ProgramFileName(5), "05.zan");
    EXPECT_EQ(ProgramFileName(99), "99.zan");
    EXPECT_EQ(ProgramFileName(100), "");
    EXPECT_EQ(ProgramFileName(-1), "");
    EXPECT_EQ(ProgramFileName("07"), "07.zan");
    EXPECT_EQ(ProgramFileName("123"), "12.zan");
}

TEST_F(ProgramFileTest, TextTerminatorAndCrLf)
{
    const fs::path file = dir / "00.zan";
    ASSERT_TRUE(WriteProgramFile(file, "N0000"));
    std::ifstream in(file, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), std::string("N0000\0\r\n", 8));
    EXPECT_EQ(ReadProgramText(file), "N0000");

    // GB2312 text and line ends come back byte for byte; a rewrite replaces all.
    const std::string text = "N0000 \xb3\xcc\xd0\xf2\r\nN0010 G00 X10\r\n";
    ASSERT_TRUE(WriteProgramFile(file, text));
    EXPECT_EQ(ReadProgramText(file), text);
    EXPECT_EQ(fs::file_size(file), text.size() + 3);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);  // no temporary left
}

TEST_F(ProgramFileTest, ReadingStopsAtTheFirstZeroByte)
{
    Put(dir / "01.zan", std::string("G01 X1\0G45\0\r\n", 13));
    EXPECT_EQ(ReadProgramText(dir / "01.zan"), "G01 X1");
    Put(dir / "02.zan", "G01 X1\r\nM30");  // no terminator: all of it is text
    EXPECT_EQ(ReadProgramText(dir / "02.zan"), "G01 X1\r\nM30");
    EXPECT_EQ(ReadProgramText(dir / "03.zan"), std::nullopt);
    EXPECT_EQ(ReadProgramText(dir), std::nullopt);
}

// A disk that fills up half-way through a save: the write fails after 100
// bytes (a file size limit stands in for the full disk). The old program is
// still whole, the save says it failed, and no temporary file is left over.
TEST_F(ProgramFileTest, SaveFailingHalfWayLeavesTheOldFileWhole)
{
    EXPECT_FALSE(WriteProgramFile(dir / "missing" / "04.zan", "N0000"));
    const fs::path file = dir / "05.zan";
    ASSERT_TRUE(WriteProgramFile(file, "N0000"));
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{100, 100};
        setrlimit(RLIMIT_FSIZE, &limit);
        _exit(WriteProgramFile(file, std::string(1000, 'G')) ? 1 : 0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the save claimed success";
    EXPECT_EQ(ReadProgramText(file), "N0000");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1) << "a temporary file was left";
}

// What a save killed half-way leaves is removed when the folder is opened,
// but not the temporary file of a save going on now (another student's, in a
// shared folder), which holds its lock.
TEST_F(ProgramFileTest, LeftoversOfKilledSavesGoButNotASaveInProgress)
{
    Put(dir / "05.zan.Ab12Cd.tmp", "N0000");
    Put(dir / "06.zan.Zz9Yy8.tmp", "N0000");
    Put(dir / "notes.tmp", "kept");
    const int busy = ::open((dir / "06.zan.Zz9Yy8.tmp").c_str(), O_RDONLY);
    ASSERT_GE(busy, 0);
    ASSERT_EQ(::flock(busy, LOCK_EX), 0);
    EXPECT_EQ(RemoveSaveLeftovers(dir), 1);
    EXPECT_FALSE(fs::exists(dir / "05.zan.Ab12Cd.tmp"));
    EXPECT_TRUE(fs::exists(dir / "06.zan.Zz9Yy8.tmp"));
    EXPECT_TRUE(fs::exists(dir / "notes.tmp"));
    ::close(busy);
    EXPECT_EQ(RemoveSaveLeftovers(dir), 1);
    EXPECT_EQ(RemoveSaveLeftovers(dir / "missing"), 0);
}

// The loader judges a file in one order for every front end, and keeps the
// text of a file it read, so that the panel and the window can load the
// first 999 lines of a program the runner and the grader refuse.
TEST_F(ProgramFileTest, LoaderJudgesFaultsInOrderAndKeepsWhatItRead)
{
    std::string lines1000;
    for (int i = 0; i < 1000; ++i) lines1000 += "G04\r\n";
    Put(dir / "long.zan", lines1000);
    Put(dir / "long-binary.zan", "\x01" + lines1000);
    Put(dir / "blank.zan", std::string(" \r\n\0\r\n", 6));
    Put(dir / "huge.zan", "M30" + std::string(kMaxProgramFileBytes, '\0'));
    Put(dir / "exact.zan", lines1000.substr(0, 999 * 5) + "\r\n");
    struct Case {
        const char* name;
        ProgramFault fault;
        bool read, linesLeftOut;
    };
    for (const Case& c : {Case{"missing.zan", ProgramFault::Missing, false, false},
                          {".", ProgramFault::NotRegular, false, false},
                          {"long.zan", ProgramFault::TooManyLines, true, true},
                          {"long-binary.zan", ProgramFault::Binary, true, true},
                          {"blank.zan", ProgramFault::Empty, true, false},
                          {"huge.zan", ProgramFault::TooLarge, true, false},
                          {"exact.zan", ProgramFault::None, true, false}}) {
        const ProgramLoad load = LoadProgramFile(dir / c.name);
        EXPECT_EQ(load.fault, c.fault) << c.name;
        EXPECT_EQ(load.text.has_value(), c.read) << c.name;
        EXPECT_EQ(load.linesLeftOut, c.linesLeftOut) << c.name;
        EXPECT_EQ(load.reason.empty(), c.read) << c.name;
    }
    EXPECT_EQ(LoadProgramFile(dir / "missing.zan").reason, "no such file");
    EXPECT_EQ(LoadProgramFile(dir / "huge.zan").text, "M30");  // the text ends at the terminator
}

TEST(LineTableLoadTest, OneLinePerRowCutAtOneHundredCharactersAtMost999Rows)
{
    LineTable table;
    const std::string longLine = "G01" + std::string(97, ' ') + "X99";
    ASSERT_TRUE(LoadIntoLineTable(longLine + "\r\nM30", table));
    EXPECT_EQ(Row(table, 0).size(), 100u);
    EXPECT_EQ(Row(table, 1), "M30");

    for (auto& row : table.rows) std::fill_n(row.begin(), 100, '#');  // left over from an earlier program
    ASSERT_TRUE(LoadIntoLineTable("N0000 G00\r\nN0010 G01 X1\nN0020 M30", table));
    EXPECT_EQ(Row(table, 0), "N0000 G00");
    EXPECT_EQ(Row(table, 1), "N0010 G01 X1");
    EXPECT_EQ(Row(table, 2), "N0020 M30");
    EXPECT_EQ(table.rows[3][0], 0);
    EXPECT_EQ(table.rows[998][99], 0);

    std::string text;
    for (int i = 0; i < 999; ++i) text += "G01 X" + std::to_string(i) + "\r\n";
    EXPECT_TRUE(LoadIntoLineTable(text, table));  // the empty line after the last CR LF needs no row
    EXPECT_EQ(Row(table, 998), "G01 X998");
    EXPECT_FALSE(LoadIntoLineTable(text + "M30", table));
    EXPECT_EQ(Row(table, 998), "G01 X998");
}

}  // namespace
}  // namespace zan::test
