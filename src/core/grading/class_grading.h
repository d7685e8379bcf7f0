#pragma once
// Grading a class: every student's program in a class folder run on a
// machine of its own set-up and compared with the reference, using every core
// (each worker thread owns its machine; the core keeps no state outside them).

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/grading/program_runs.h"

namespace zan {

struct Submission {
    std::string student;
    std::filesystem::path program;
    std::string problem;  // why there is no program to run; empty when there is one
};

// The students of a class folder, sorted by name: every *.zan entry (the
// student is its name without .zan, any case) and every folder, which must
// hold exactly one *.zan entry (the student is the folder's name). Hidden
// entries, other files and the paths of `leaveOut` (the output folder, the
// reference) are passed over. An entry that leads out of the class folder (a
// link to /etc/shadow) gets a problem and is never read: the grader may run
// with more rights than the class has. Empty, with `error` set, when the
// folder cannot be listed.
// With `programFile` ("07.zan") every student has a folder, a program folder
// as the trainer keeps one (other programs, Pset.dat, Dset.dat beside it),
// and that file of it is graded; files beside the folders are passed over.
std::vector<Submission> FindSubmissions(const std::filesystem::path& classDir,
                                        const std::vector<std::filesystem::path>& leaveOut, std::string& error,
                                        const std::string& programFile = {});

struct GradeSetup {
    HeadlessSetup machine;
    RunLimits limits;            // how long a program may run before it counts as hanging
    double tolerance = kDefaultTolerance;
    int jobs = 0;                // worker threads; 0: one per core
};

struct StudentGrade {
    std::string student;
    RunStatus status = RunStatus::Unreadable;
    // The alarm and its block, how long a hanging program ran, why nothing
    // ran, or the ranges outside the tolerance; then the messages shown.
    std::string detail;
    std::optional<Comparison> comparison;  // none when nothing ran
    std::string png;                       // the part's picture; empty when nothing ran
    int pictureWidth = 0;
    int pictureHeight = 0;
    bool pass = false;                     // finished and within the tolerance
};

// One grade per submission, in the same order.
std::vector<StudentGrade> GradeClass(const std::vector<Submission>& submissions, const Reference& reference,
                                     const GradeSetup& setup);

}  // namespace zan
