#include "grade_options.h"

#include <string_view>

#include "core/files/program_file.h"
#include "run_options.h"

namespace zan::tool {

namespace {

// One option with its value; empty on success.
std::string ParseOption(std::string_view arg, std::string_view v, GradeOptions& options)
{
    long number = 0;
    if (arg == "--reference") {
        options.reference = v;
    } else if (arg == "--tolerance") {
        if (!ParseMillimetres(v, options.tolerance)) return "--tolerance wants millimetres, 0 or more";
    } else if (arg == "--out") {
        options.outDir = v;
    } else if (arg == "--blank") {
        return ParseBlank(v, options.blankDiameter, options.blankLength);
    } else if (arg == "--max-turns" || arg == "--max-work") {
        if (!ParseLimit(arg, v, options.limits)) return std::string(arg) + " wants a positive number";
    } else if (arg == "--program") {
        if (v.empty() || v.size() > 2 || !ParseInt(v, number) || number < 0) return "--program wants a program number, 00..99";
        options.programFile = ProgramFileName(static_cast<int>(number));
    } else if (arg == "--jobs") {
        if (!ParseInt(v, number) || number < 1 || number > 256) return "--jobs wants 1..256";
        options.jobs = static_cast<int>(number);
    } else {
        return "unknown option " + std::string(arg);
    }
    return {};
}

}  // namespace

std::string ParseGradeOptions(int argc, char** argv, GradeOptions& options)
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            options.help = true;
        } else if (arg == "--version") {
            options.version = true;
        } else if (arg.starts_with("-") && arg.size() > 1) {
            if (i + 1 >= argc) return std::string(arg) + " wants a value";
            if (std::string error = ParseOption(arg, argv[++i], options); !error.empty()) return error;
        } else if (options.classDir.empty()) {
            options.classDir = arg;
        } else {
            return "only one class folder at a time";
        }
    }
    if (options.help || options.version) return {};
    if (options.reference.empty()) return "no --reference given";
    if (options.classDir.empty()) return "no class folder given";
    return {};
}

}  // namespace zan::tool
