#include "core/grading/class_grading.h"

#include <algorithm>
#include <atomic>
#include <cctype>
#include <map>
#include <thread>

#include "core/grading/part_picture.h"
#include "core/grading/program_findings.h"

namespace zan {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kProgramExtension = ".zan";

// Any entry named *.zan but a folder: one that is no regular file (a FIFO, a
// device) gets its row with the reason when it is read.
bool IsProgramFile(const fs::directory_entry& entry)
{
    std::error_code error;
    if (entry.is_directory(error)) return false;
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

constexpr std::string_view kOutside = "leads outside the class folder: not read";

// Where an entry leads, links followed, into `target`; empty when that is
// inside `root` (a canonical folder), else why the entry is not read.
std::string Follow(const fs::path& root, const fs::path& entry, fs::path& target)
{
    std::error_code error;
    target = fs::canonical(entry, error);
    if (error) return "cannot read the file: a link that leads nowhere";
    const auto [rootEnd, at] = std::mismatch(root.begin(), root.end(), target.begin(), target.end());
    return rootEnd == root.end() && at != target.end() ? std::string() : std::string(kOutside);
}

// The one program of a student's folder.
Submission FolderSubmission(const fs::path& root, const fs::path& folder)
{
    Submission submission{folder.filename().string(), {}, {}};
    fs::path target;
    submission.problem = Follow(root, folder, target);
    if (!submission.problem.empty()) return submission;
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
    } else if (const std::string why = Follow(root, programs.front(), target); !why.empty()) {
        submission.problem = programs.front().filename().string() + ": " + why;
    } else {
        submission.program = target;
    }
    return submission;
}

// The program of the given number in a student's program folder.
Submission NumberedSubmission(const fs::path& root, const fs::path& folder, const std::string& programFile)
{
    Submission submission{folder.filename().string(), {}, {}};
    std::error_code error;
    fs::path target;
    if (std::string why = Follow(root, folder, target); !why.empty()) {
        submission.problem = std::move(why);
    } else if (!fs::exists(fs::symlink_status(folder / programFile, error))) {
        submission.problem = "no " + programFile + " in the folder";
    } else if (const std::string why = Follow(root, folder / programFile, target); !why.empty()) {
        submission.problem = programFile + ": " + why;
    } else {
        submission.program = target;
    }
    return submission;
}

Submission FileSubmission(const fs::path& root, const fs::path& file)
{
    Submission submission{file.stem().string(), {}, {}};
    fs::path target;
    submission.problem = Follow(root, file, target);
    if (submission.problem.empty()) submission.program = target;
    return submission;
}

// Two entries for one student (a.zan and a.ZAN, or a.zan and a folder a):
// which one counts is not ours to guess.
std::string HandedInTwice(std::vector<std::string> entries)
{
    std::sort(entries.begin(), entries.end());
    std::string text = "handed in more than once: ";
    for (const std::string& entry : entries) text += (&entry == &entries.front() ? "" : ", ") + entry;
    return text;
}

std::string GradeDetail(const ProgramRun& run, const Comparison& comparison, const std::vector<std::string>& findings)
{
    std::string detail = run.detail;
    auto add = [&detail](const std::string& part) { detail += (detail.empty() ? "" : "; ") + part; };
    for (const std::string& finding : findings) add(finding);
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

    const ProgramRun run = RunProgramText(machine, program.text, setup.limits);
    Comparison comparison = CompareRun(run, reference, setup.tolerance);
    grade.status = run.status;
    grade.pass = run.status == RunStatus::Finished && comparison.within();
    grade.detail = GradeDetail(run, comparison, ProgramFindings(program.text));
    const RgbPicture picture = DrawPartPicture(*run.part, &reference.part, &comparison);
    grade.png = EncodePng(picture);
    grade.pictureWidth = picture.width();
    grade.pictureHeight = picture.height();
    grade.comparison = std::move(comparison);
    return grade;
}

}  // namespace

std::vector<Submission> FindSubmissions(const fs::path& classDir, const std::vector<fs::path>& leaveOut,
                                        std::string& error, const std::string& programFile)
{
    std::map<std::string, std::vector<Submission>> byStudent;
    std::map<std::string, std::vector<std::string>> entries;  // each student's entries, as named
    std::error_code listing;
    const fs::path root = fs::canonical(classDir, listing);
    for (const fs::directory_entry& entry : fs::directory_iterator(root, listing)) {
        const fs::path& path = entry.path();
        if (Hidden(path) || std::any_of(leaveOut.begin(), leaveOut.end(), [&](const fs::path& p) { return SamePlace(p, path); }))
            continue;
        std::error_code kind;
        const std::string name = path.filename().string();
        if (entry.is_directory(kind)) {
            byStudent[name].push_back(programFile.empty() ? FolderSubmission(root, path)
                                                          : NumberedSubmission(root, path, programFile));
            entries[name].push_back("the folder " + name);
        } else if (programFile.empty() && IsProgramFile(entry)) {
            byStudent[path.stem().string()].push_back(FileSubmission(root, path));
            entries[path.stem().string()].push_back(name);
        }
    }
    if (listing) {
        error = "cannot list the class folder " + classDir.string() + ": " + listing.message();
        return {};
    }
    std::vector<Submission> submissions;
    for (auto& [student, found] : byStudent) {
        if (found.size() == 1) submissions.push_back(std::move(found.front()));
        else submissions.push_back({student, {}, HandedInTwice(entries[student])});
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
