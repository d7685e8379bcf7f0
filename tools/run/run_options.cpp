#include "run_options.h"

#include <charconv>
#include <cmath>
#include <string_view>

namespace zan::tool {

bool ParseInt(std::string_view text, long& value)
{
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

bool ParseMillimetres(std::string_view text, double& value)
{
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() && std::isfinite(value) && value >= 0.0;
}

std::string ParseBlank(std::string_view text, std::optional<int>& blankDiameter, std::optional<int>& blankLength)
{
    const auto comma = text.find(',');
    long diameter = 0;
    long length = 0;
    if (comma == std::string_view::npos || !ParseInt(text.substr(0, comma), diameter) ||
        !ParseInt(text.substr(comma + 1), length))
        return "--blank wants DIAMETER,LENGTH";
    if (diameter < 0 || diameter >= 200) return "blank diameter must be 0..199";
    if (length < 0 || length >= 800) return "blank length must be 0..799";
    blankDiameter = static_cast<int>(diameter);
    blankLength = static_cast<int>(length);
    return {};
}

bool ParseLimit(std::string_view option, std::string_view text, RunLimits& limits)
{
    long number = 0;
    if (!ParseInt(text, number) || number < 1) return false;
    (option == "--max-turns" ? limits.turns : limits.work) = number;
    return true;
}

namespace {

// Options that do not go together; empty when they all do.
std::string CheckCombination(const RunOptions& options)
{
    if (options.help || options.version) return {};
    if (!options.keysFile.empty() && !options.program.empty()) return "a program or --keys SCRIPT, not both";
    if (options.keysFile.empty() && options.program.empty()) return "no program given";
    if (!options.keysFile.empty() && (!options.reference.empty() || !options.pngFile.empty()))
        return "--compare and --png work on a program, not on a key script";
    if (options.keysFile.empty() && !options.lcdPngFile.empty()) return "--lcd-png works on a key script";
    if (options.keysFile.empty() && !options.viewPngFile.empty()) return "--view-png works on a key script";
    return {};
}

// The options naming a file, and where each goes; null for any other.
std::filesystem::path* FileOption(std::string_view arg, RunOptions& options)
{
    if (arg == "--map") return &options.mapFile;
    if (arg == "--params") return &options.paramsFile;
    if (arg == "--offsets") return &options.offsetsFile;
    if (arg == "--png") return &options.pngFile;
    if (arg == "--lcd-png") return &options.lcdPngFile;
    if (arg == "--view-png") return &options.viewPngFile;
    return nullptr;
}

}  // namespace

std::string ParseRunOptions(int argc, char** argv, RunOptions& options)
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        auto value = [&](std::string_view& out) {
            if (i + 1 >= argc) return false;
            out = argv[++i];
            return true;
        };
        std::string_view v;
        long number = 0;
        if (arg == "--help" || arg == "-h") {
            options.help = true;
        } else if (arg == "--version") {
            options.version = true;
        } else if (arg == "--trace") {
            options.trace = true;
        } else if (std::filesystem::path* file = FileOption(arg, options)) {
            if (!value(v)) return std::string(arg) + " wants a file";
            *file = v;
        } else if (arg == "--blank") {
            if (!value(v)) return "--blank wants DIAMETER,LENGTH";
            if (auto error = ParseBlank(v, options.blankDiameter, options.blankLength); !error.empty()) return error;
        } else if (arg == "--speed") {
            if (!value(v) || !ParseInt(v, number) || number < 0 || number > 4) return "--speed wants 0..4";
            options.speedLevel = static_cast<int>(number);
        } else if (arg == "--max-turns" || arg == "--max-work") {
            if (!value(v) || !ParseLimit(arg, v, options.limits)) return std::string(arg) + " wants a positive number";
        } else if (arg == "--keys") {
            if (!value(v)) return "--keys wants a script";
            options.keysFile = v;
        } else if (arg == "--compare") {
            if (!value(v)) return "--compare wants a reference (.map image or .zan program)";
            options.reference = v;
        } else if (arg == "--tolerance") {
            if (!value(v) || !ParseMillimetres(v, options.tolerance)) return "--tolerance wants millimetres, 0 or more";
        } else if (arg == "--programs") {
            if (!value(v)) return "--programs wants a folder";
            options.programsDir = v;
        } else if (arg.starts_with("-") && arg.size() > 1) {
            return "unknown option " + std::string(arg);
        } else if (options.program.empty()) {
            options.program = arg;
        } else {
            return "only one program at a time";
        }
    }
    return CheckCombination(options);
}

}  // namespace zan::tool
