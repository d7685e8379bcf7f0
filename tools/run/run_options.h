#pragma once
// The runner's command line.

#include <filesystem>
#include <optional>
#include <string>

namespace zan::tool {

inline constexpr const char* kRunUsage =
    "usage: zan400lt-run [options] PROGRAM\n"
    "Runs a part program (a .zan file) on a simulated ZAN 400LT lathe without a window,\n"
    "as cycle start runs it in automatic mode, from a fresh machine: normal layout, chuck\n"
    "clamped, spindle stopped (the program must start the spindle to cut). Stops (M00)\n"
    "resume at once and nothing waits.\n"
    "\n"
    "  --trace               print every tool move as a line \"Z X\" in machine coordinates\n"
    "                        (X is a diameter), three decimals, e.g. -10.000 37.200\n"
    "  --map FILE            write the turned workpiece as a .map image file at the end\n"
    "  --blank D,L           blank diameter D (< 200) and length L (< 800), in mm\n"
    "                        (default 100,347)\n"
    "  --speed LEVEL         the speed dialog's level 0..4 (default 0)\n"
    "  --params FILE         parameters from a Pset.dat file\n"
    "  --offsets FILE        tool offsets from a Dset.dat file\n"
    "  --max-turns N         give up after N turns of the run loop (default 10000000)\n"
    "  --help                show this text\n"
    "\n"
    "Every message the controller shows is printed to standard error, one line each;\n"
    "questions are answered OK.\n"
    "Exit status: 0 the program ran to its end; 1 a move was stopped by an alarm or the\n"
    "run could not finish; 2 usage error or unreadable file.\n";

struct RunOptions {
    std::filesystem::path program;
    bool trace = false;
    bool help = false;
    std::filesystem::path mapFile;
    std::optional<int> blankDiameter;
    std::optional<int> blankLength;
    int speedLevel = 0;
    std::filesystem::path paramsFile;
    std::filesystem::path offsetsFile;
    long maxTurns = 10000000;
};

// Empty on success, else the reason the command line is wrong.
std::string ParseRunOptions(int argc, char** argv, RunOptions& options);

}  // namespace zan::tool
