// Comparing turned parts, their pictures, and grading a class on several threads.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "core/files/png_file.h"
#include "core/grading/class_report.h"
#include "core/grading/part_picture.h"
#include "core/lathe/cylinder_shade.h"
#include "core/lathe/workpiece_image.h"

namespace zan::test {
namespace {

namespace fs = std::filesystem;

// A part of the default blank (100 mm, columns 153..499) with columns
// first..last turned to the given profile row.
LatheState Turned(int first, int last, double row, LatheState s = LatheState(false))
{
    for (int k = first; k <= last; ++k) s.profile[k] = row;
    return s;
}

struct ScratchDir {
    fs::path path = fs::temp_directory_path() / ("zan-grading-" + std::to_string(std::random_device{}()));
    ScratchDir() { fs::create_directories(path); }
    ~ScratchDir() { fs::remove_all(path); }
};

TEST(ComparePartsTest, IdenticalPartsCompareEqual)
{
    const LatheState s = Turned(440, 470, 283.37);  // radius 41.37: fractions count
    const Comparison c = CompareParts(ProfileOf(s), ProfileOf(s), kDefaultTolerance);
    EXPECT_TRUE(c.within());
    EXPECT_EQ(c.largest, 0.0);
    EXPECT_EQ(c.largestColumn, -1);
    EXPECT_EQ(c.firstColumn, 153);  // chuck face ..
    EXPECT_EQ(c.lastColumn(), 499);  // .. the last column before the blank's end
}

// Half a millimetre of radius too deep over columns 460..469 (Z -40 .. -31).
TEST(ComparePartsTest, TooDeepOverTenColumnsReportsExactlyThoseAndTheirDiameter)
{
    const LatheState reference = Turned(440, 499, 283.0);
    const LatheState part = Turned(460, 469, 282.5, reference);
    const Comparison c = CompareParts(ProfileOf(part), ProfileOf(reference), kDefaultTolerance);
    ASSERT_EQ(c.outside.size(), 1u);
    EXPECT_EQ(c.outside[0].first, 460);
    EXPECT_EQ(c.outside[0].last, 469);
    EXPECT_DOUBLE_EQ(c.outside[0].worst, -1.0);
    EXPECT_DOUBLE_EQ(c.largest, -1.0);
    EXPECT_EQ(c.largestColumn, 460);
    for (int k = c.firstColumn; k <= c.lastColumn(); ++k) EXPECT_EQ(c.Outside(k), k >= 460 && k <= 469) << k;
    const std::vector<std::string> lines = DescribeComparison(c);
    EXPECT_NE(std::find(lines.begin(), lines.end(), "largest deviation: 1.000 mm of diameter, undersize, at Z -40.000"),
              lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), "  Z -40.000 to -31.000: 10 columns undersize, up to 1.000 mm"),
              lines.end());
}

TEST(ComparePartsTest, ToleranceEdgesSidesAndBlanks)
{
    const LatheState reference = Turned(440, 499, 283.0);
    // 0.05 mm of radius is the tolerance of 0.1 mm of diameter but for the
    // last bits of a double: within. A hair more is outside.
    EXPECT_TRUE(CompareParts(ProfileOf(Turned(450, 450, 282.95, reference)), ProfileOf(reference), 0.1).within());
    EXPECT_FALSE(CompareParts(ProfileOf(Turned(450, 450, 282.949, reference)), ProfileOf(reference), 0.1).within());

    // Oversize next to undersize: two ranges, each on its side.
    LatheState sides = Turned(450, 452, 284.0, reference);
    sides = Turned(453, 454, 282.0, sides);
    const Comparison c = CompareParts(ProfileOf(sides), ProfileOf(reference), 0.1);
    ASSERT_EQ(c.outside.size(), 2u);
    EXPECT_EQ(std::make_pair(c.outside[0].first, c.outside[0].last), std::make_pair(450, 452));
    EXPECT_DOUBLE_EQ(c.outside[0].worst, 2.0);
    EXPECT_EQ(std::make_pair(c.outside[1].first, c.outside[1].last), std::make_pair(453, 454));
    EXPECT_DOUBLE_EQ(c.outside[1].worst, -2.0);

    // A longer blank: its extra columns are all material the reference lacks;
    // uncut columns (radius 75) measure as the 100 mm blank.
    LatheState longer = reference;
    longer.blankEnd = 510;
    const Comparison l = CompareParts(ProfileOf(longer), ProfileOf(reference), 0.1);
    EXPECT_EQ(l.lastColumn(), 509);
    ASSERT_EQ(l.outside.size(), 1u);
    EXPECT_EQ(std::make_pair(l.outside[0].first, l.outside[0].last), std::make_pair(500, 509));
    EXPECT_DOUBLE_EQ(l.outside[0].worst, 100.0);
}

// A reference image keeps whole millimetres of radius (truncated) and the
// blank's end in tens; the part is compared as the file would keep it.
TEST(MapReferenceTest, RoundsAsTheFileFormatDoes)
{
    ScratchDir dir;
    LatheState turned = Turned(440, 499, 283.3);  // radius 41.3, kept as 41
    turned.blankEnd = 497;                        // kept as 490
    ASSERT_TRUE(WriteMapFile(dir.path / "reference.MAP", turned));
    const Reference reference = LoadReference(dir.path / "reference.MAP", HeadlessSetup{}, RunLimits{1, 1});
    ASSERT_TRUE(reference.problem.empty()) << reference.problem;
    ASSERT_TRUE(reference.image);
    EXPECT_EQ(reference.part.blankEnd, 490);
    EXPECT_EQ(reference.part.radius[450], 41.0);

    auto compare = [&](const LatheState& s) {
        const ProgramRun run{RunStatus::Finished, {}, {}, ProfileOf(s), ImageProfileOf(s)};
        return CompareRun(run, reference, kDefaultTolerance);
    };
    const Comparison same = compare(turned);
    EXPECT_TRUE(same.wholeMillimetres);
    EXPECT_TRUE(same.within());
    EXPECT_TRUE(compare(Turned(440, 499, 283.9, turned)).within());  // 41.9 is kept as 41 too
    const Comparison larger = compare(Turned(440, 444, 284.0, turned));
    ASSERT_EQ(larger.outside.size(), 1u);
    EXPECT_EQ(std::make_pair(larger.outside[0].first, larger.outside[0].last), std::make_pair(440, 444));
    EXPECT_DOUBLE_EQ(larger.largest, 2.0);

    // At full precision the fraction counts.
    const Comparison full = CompareParts(ProfileOf(turned), ProfileOf(Turned(440, 499, 283.0, turned)), 0.1);
    EXPECT_NEAR(full.largest, 0.6, 1e-9);
}

// Where the part lies in its picture: the first shaded column is the chuck
// face, two pixels to the millimetre.
TEST(PartPictureTest, ShadesAsTheLatheViewAndMarksExactlyTheColumnsOutside)
{
    const LatheState reference = Turned(440, 499, 283.0);
    const LatheState part = Turned(460, 469, 282.5, reference);
    const Comparison c = CompareParts(ProfileOf(part), ProfileOf(reference), kDefaultTolerance);
    const PartProfile partProfile = ProfileOf(part);
    const PartProfile referenceProfile = ProfileOf(reference);
    const RgbPicture picture = DrawPartPicture(partProfile, &referenceProfile, &c);

    int left = picture.width();  // the outline starts over the chuck face
    int red = picture.width();
    int redEnd = -1;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            if (picture.At(x, y) == kOutlineGreen) left = std::min(left, x);
            if (picture.At(x, y) == kDeviationRed) red = std::min(red, x), redEnd = std::max(redEnd, x);
        }
    EXPECT_EQ(red, left + (460 - 153) * 2);
    EXPECT_EQ(redEnd, left + (469 - 153) * 2 + 1);

    // An uncut column (radius 50): the outline over its top edge, then the
    // view's shades of rows 194 .. 242, each two pixels high.
    const int x = left + (300 - 153) * 2;
    int y = 0;
    while (picture.At(x, y) != kOutlineGreen) ++y;
    EXPECT_EQ(picture.At(x, y + 1), kOutlineGreen);
    y += 2;
    for (int row = 194; row <= kAxisRow; ++row, y += 2) {
        ASSERT_EQ(picture.At(x, y), ShadePixel(row, 50)) << row;
        ASSERT_EQ(picture.At(x + 1, y + 1), ShadePixel(row, 50)) << row;
    }
    EXPECT_NE(picture.At(x, y), ShadePixel(kAxisRow, 50));
}

void WriteFile(const fs::path& path, const std::string& text)
{
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

TEST(FindSubmissionsTest, StudentsFilesAndFolders)
{
    ScratchDir dir;
    const fs::path& c = dir.path;
    WriteFile(c / "ann.zan", "N0000 M30\r\n");
    WriteFile(c / "ben" / "O7.ZAN", "N0000 M30\r\n");
    WriteFile(c / "cid" / "a.zan", "N0000 M30\r\n");
    WriteFile(c / "cid" / "b.zan", "N0000 M30\r\n");
    WriteFile(c / "dot" / "notes.txt", "");
    WriteFile(c / "eve.zan", "N0000 M30\r\n");
    WriteFile(c / "eve" / "e.zan", "N0000 M30\r\n");
    WriteFile(c / ".old.zan", "N0000 M30\r\n");
    WriteFile(c / "grades" / "x.zan", "");    // the output folder
    WriteFile(c / "reference.zan", "N0000 M30\r\n");
    WriteFile(c / "readme.txt", "");
    std::string error;
    const std::vector<Submission> found = FindSubmissions(c, {c / "grades", c / "." / "reference.zan"}, error);
    EXPECT_EQ(error, "");
    std::vector<std::string> summary;
    for (const Submission& s : found)
        summary.push_back(s.student + " " + s.program.filename().string() + " " + s.problem);
    EXPECT_EQ(summary, (std::vector<std::string>{
                           "ann ann.zan ",
                           "ben O7.ZAN ",
                           "cid  several programs in the folder: a.zan b.zan",
                           "dot  no .zan program in the folder",
                           "eve  handed in more than once: eve.zan, the folder eve",
                       }));
}

// Each worker owns its machine: two of them grade exactly as one does.
TEST(GradeClassTest, TwoWorkersGradeAsOne)
{
    const fs::path samples = fs::path(ZAN_TEST_DATA) / ".." / ".." / "resources" / "programs";
    std::vector<Submission> submissions;
    for (int i = 0; i < 6; ++i) {
        const std::string sample = "0" + std::to_string(i % 3 + 1) + ".zan";
        submissions.push_back({"s" + std::to_string(i), samples / sample, {}});
    }
    submissions.push_back({"broken", samples / "missing.zan", {}});
    GradeSetup setup;
    setup.machine.folder = ProgramFolder(samples);
    const Reference reference = LoadReference(samples / "01.zan", setup.machine, setup.limits);
    ASSERT_EQ(reference.problem, "");

    setup.jobs = 1;
    const std::vector<StudentGrade> alone = GradeClass(submissions, reference, setup);
    setup.jobs = 2;
    const std::vector<StudentGrade> shared = GradeClass(submissions, reference, setup);
    EXPECT_EQ(GradesCsv(shared), GradesCsv(alone));
    ASSERT_EQ(shared.size(), submissions.size());
    for (std::size_t i = 0; i < shared.size(); ++i) {
        EXPECT_EQ(shared[i].png, alone[i].png) << i;
        EXPECT_EQ(shared[i].pass, i % 3 == 0 && i < 6) << i;  // the copies of the reference pass
    }
    EXPECT_EQ(shared.back().status, RunStatus::Unreadable);
    EXPECT_EQ(shared.back().detail, "cannot read the file: no such file");
}

}  // namespace
}  // namespace zan::test
