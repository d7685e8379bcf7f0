// Grading a class of 30: the sample programs copied round-robin into a class
// folder, graded against 01.zan with the whole report written (pictures,
// grades.csv, report.html), on one worker and on one per core. Wall time.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>
#include <string>

#include "core/grading/class_report.h"

namespace zan::bench {
namespace {

namespace fs = std::filesystem;

constexpr int kStudents = 30;
constexpr int kSamples = 7;

struct ClassFolder {
    fs::path root = fs::temp_directory_path() / ("zan-grade-bench-" + std::to_string(std::random_device{}()));
    ClassFolder()
    {
        fs::create_directories(root / "class");
        for (int i = 0; i < kStudents; ++i) {
            const std::string sample = "0" + std::to_string(i % kSamples + 1) + ".zan";
            fs::copy_file(fs::path(ZAN_SAMPLES) / sample, root / "class" / ("student" + std::to_string(i) + ".zan"));
        }
    }
    ~ClassFolder() { fs::remove_all(root); }
};

void BM_GradeClass(benchmark::State& state)
{
    const ClassFolder folder;
    GradeSetup setup;
    setup.machine.folder = ProgramFolder(ZAN_SAMPLES);
    setup.jobs = static_cast<int>(state.range(0));
    for (auto _ : state) {
        const Reference reference = LoadReference(fs::path(ZAN_SAMPLES) / "01.zan", setup.machine, setup.limits);
        std::string error;
        ClassReport report;
        report.reference = "01.zan";
        report.grades = GradeClass(FindSubmissions(folder.root / "class", {}, error), reference, setup);
        if (report.grades.size() != kStudents || !WriteClassReport(folder.root / "grades", report).empty())
            state.SkipWithError("the class was not graded");
    }
    state.SetItemsProcessed(state.iterations() * kStudents);
}
// 1 worker, and 0: one per core.
BENCHMARK(BM_GradeClass)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace zan::bench
