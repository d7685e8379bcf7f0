#include "core/grading/class_grading.h"

#include <algorithm>
#include <atomic>
#include <cctype>
#include <map>
#include <thread>

#include "core/grading/part_picture.h"

namespace zan {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kProgramExtension = ".zan";

bool IsProgramFile(const fs::directory_entry& entry)
{
    std::error_code error;
    if (!entry.is_regular_file(error) && !entry.is_symlink(error)) return false;
    std::string extension = entry.path().extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension == kProgramExtension;
}

bool Hidden(const fs::path& path) { return path.filename().string().starts_with('.'); }

bool SamePlace(const fs::path& a, const fs::path& b)
{
    std::error_code error;
    const fs::path left = fs::weakly_canonical(a, error);
    if (error) return false;
    const fs::path right = fs::weakly_canonical(b, error);
    return !error && left == right;
}

// The one program of a student's folder.
Submission FolderSubmission(const fs::path& folder)
{
    Submission submission{folder.filename().string(), {}, {}};
    std::vector<fs::path> programs;
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, error))
        if (!Hidden(entry.path()) && IsProgramFile(entry)) programs.push_back(entry.path());
    std::sort(programs.begin(), programs.end());
    if (error) {
        submission.problem = "cannot read the folder";
    } else if (programs.empty()) {
        submission.problem = "no .zan program in the folder";
    } else if (programs.size() > 1) {
        submission.problem = "several programs in the folder:";
        for (const fs::path& p : programs) {
            submission.problem += ' ';
            submission.problem += p.filename().string();
        }
    } else {
        submission.program = programs.front();
    }
    return submission;
}

std::string GradeDetail(const ProgramRun& run, const Comparison& comparison)
{
    std::string detail = run.detail;
    auto add = [&detail](const std::string& part) { detail += (detail.empty() ? "" : "; ") + part; };
    if (run.status == RunStatus::Finished)
        for (const DeviationRange& range : comparison.outside) add(RangeText(comparison, range));
    if (!run.messages.empty()) {
        std::string shown = "messages:";
        for (const std::string& message : run.messages) shown += " " + message;
        add(shown);
    }
    return detail;
}

StudentGrade GradeOne(HeadlessMachine& machine, const Submission& submission, const Reference& reference,
                      const GradeSetup& setup)
{
    StudentGrade grade;
    grade.student = submission.student;
    ProgramText program;
    if (submission.problem.empty()) program = ReadStudentProgram(submission.program);
    grade.detail = submission.problem.empty() ? program.problem : submission.problem;
    if (!grade.detail.empty()) return grade;

    const ProgramRun run = RunProgramText(machine, program.text, setup.maxTurns);
    Comparison comparison = CompareRun(run, reference, setup.tolerance);
    grade.status = run.status;
    grade.pass = run.status == RunStatus::Finished && comparison.within();
    grade.detail = GradeDetail(run, comparison);
    const RgbPicture picture = DrawPartPicture(*run.part, &reference.part, &comparison);
    grade.png = EncodePng(picture);
    grade.pictureWidth = picture.width();
    grade.pictureHeight = picture.height();
    grade.comparison = std::move(comparison);
    return grade;
}

}  // namespace

std::vector<Submission> FindSubmissions(const fs::path& classDir, const std::vector<fs::path>& leaveOut,
                                        std::string& error)
{
    std::map<std::string, std::vector<Submission>> byStudent;
    std::error_code listing;
    for (const fs::directory_entry& entry : fs::directory_iterator(classDir, listing)) {
        const fs::path& path = entry.path();
        if (Hidden(path) || std::any_of(leaveOut.begin(), leaveOut.end(), [&](const fs::path& p) { return SamePlace(p, path); }))
            continue;
        std::error_code kind;
        if (entry.is_directory(kind)) byStudent[path.filename().string()].push_back(FolderSubmission(path));
        else if (IsProgramFile(entry)) byStudent[path.stem().string()].push_back({path.stem().string(), path, {}});
    }
    if (listing) {
        error = "cannot list the class folder " + classDir.string() + ": " + listing.message();
        return {};
    }
    std::vector<Submission> submissions;
    for (auto& [student, found] : byStudent) {
        if (found.size() == 1) {
            submissions.push_back(std::move(found.front()));
            continue;
        }
        // A file and a folder of the same name: which one counts is not ours to guess.
        submissions.push_back({student, {}, "both " + student + ".zan and a folder " + student + " were handed in"});
    }
    return submissions;
}

std::vector<StudentGrade> GradeClass(const std::vector<Submission>& submissions, const Reference& reference,
                                     const GradeSetup& setup)
{
    std::vector<StudentGrade> grades(submissions.size());
    std::atomic<std::size_t> next{0};
    auto work = [&] {
        std::optional<HeadlessMachine> machine;  // made on the worker's first program
        for (std::size_t i = next++; i < submissions.size(); i = next++) {
            if (!machine) machine.emplace(setup.machine);
            grades[i] = GradeOne(*machine, submissions[i], reference, setup);
        }
    };
    const int cores = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    const int jobs = std::clamp(setup.jobs > 0 ? setup.jobs : cores, 1, std::max<int>(1, submissions.size()));
    {
        std::vector<std::jthread> helpers;
        for (int j = 1; j < jobs; ++j) helpers.emplace_back(work);
        work();
    }  // the helpers are joined here
    return grades;
}

}  // namespace zan
