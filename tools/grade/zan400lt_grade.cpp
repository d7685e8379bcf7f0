// zan400lt-grade: grades a class's part programs against a reference part and
// writes a report an instructor reads at a glance (see grade_options.h).

#include <cstdio>
#include <string>
#include <vector>

#include "core/files/data_folders.h"
#include "core/text/program_info.h"
#include "core/grading/class_report.h"
#include "grade_options.h"

namespace {

using namespace zan;

constexpr int kExitWritten = 0;
constexpr int kExitNotWritten = 1;
constexpr int kExitUsage = 2;

int Usage(const std::string& reason)
{
    std::fputs(UsageErrorText("zan400lt-grade", reason).c_str(), stderr);
    return kExitUsage;
}

int Refuse(const std::string& reason)
{
    std::fprintf(stderr, "zan400lt-grade: %s\n", reason.c_str());
    return kExitUsage;
}

GradeSetup SetupOf(const tool::GradeOptions& options)
{
    GradeSetup setup;
    // Turret pictures come from the data folder, installed or not.
    setup.machine.folder = LocateDataFolders(std::nullopt).data;
    setup.machine.blankDiameter = options.blankDiameter;
    setup.machine.blankLength = options.blankLength;
    setup.limits = options.limits;
    setup.tolerance = options.tolerance;
    setup.jobs = options.jobs;
    return setup;
}

int Grade(const tool::GradeOptions& options)
{
    const GradeSetup setup = SetupOf(options);
    const Reference reference = LoadReference(options.reference, setup.machine, setup.limits);
    if (!reference.problem.empty()) return Refuse(reference.problem);
    std::string error;
    const std::vector<Submission> submissions =
        FindSubmissions(options.classDir, {options.outDir, options.reference}, error, options.programFile);
    if (!error.empty()) return Refuse(error);
    if (submissions.empty())
        std::fprintf(stderr, "zan400lt-grade: no programs in %s (NAME.zan files or one folder per student)\n",
                     options.classDir.string().c_str());

    ClassReport report;
    report.classFolder = options.classDir.string();
    report.reference = options.reference.string();
    report.imageReference = reference.image;
    report.tolerance = options.tolerance;
    report.grades = GradeClass(submissions, reference, setup);
    const std::vector<std::string> failed = WriteClassReport(options.outDir, report);
    for (const std::string& file : failed) std::fprintf(stderr, "zan400lt-grade: cannot write %s\n", file.c_str());

    std::size_t passed = 0;
    for (const StudentGrade& grade : report.grades) {
        std::printf("%s: %s, %s\n", grade.student.c_str(), std::string(StatusName(grade.status)).c_str(),
                    grade.pass ? "pass" : "fail");
        passed += grade.pass ? 1 : 0;
    }
    std::printf("%zu students, %zu pass; report in %s\n", report.grades.size(), passed,
                (options.outDir / "report.html").string().c_str());
    return failed.empty() ? kExitWritten : kExitNotWritten;
}

}  // namespace

int main(int argc, char** argv)
{
    tool::GradeOptions options;
    if (const std::string error = tool::ParseGradeOptions(argc, argv, options); !error.empty()) return Usage(error);
    if (options.help || options.version) {
        std::fputs(options.help ? tool::kGradeUsage : VersionText("zan400lt-grade").c_str(), stdout);
        return kExitWritten;
    }
    return Grade(options);
}
