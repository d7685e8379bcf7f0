#pragma once
// The runner's command line.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/grading/comparison.h"
#include "core/station/headless.h"

namespace zan::tool {

inline constexpr const char* kRunUsage =
    "Usage: zan400lt-run [OPTION]... PROGRAM\n"
    "  or:  zan400lt-run [OPTION]... --compare REFERENCE [--tolerance MM] [--png FILE] PROGRAM\n"
    "  or:  zan400lt-run [OPTION]... --keys SCRIPT\n"
    "Runs a part program (a .zan file) on a simulated ZAN 400LT lathe without a window,\n"
    "as cycle start runs it in automatic mode, from a fresh machine: normal layout, chuck\n"
    "clamped, spindle stopped (the program must start the spindle to cut). Stops (M00)\n"
    "resume at once and nothing waits.\n"
    "\n"
    "With --keys it runs the whole controller instead, started as the window shows it\n"
    "(operator panel open, edit mode), and plays SCRIPT, one command a line:\n"
    "  key ID              click the panel key ID (1000..1079)\n"
    "  press ID, release ID  hold a jog key (1069..1072) down, let it go\n"
    "  pad C               the second key pad's key with panel key code C\n"
    "  type TEXT           type TEXT (the rest of the line) into the focused field\n"
    "  return              the Return key in the focused field\n"
    "  idle N              N turns of the run loop\n"
    "  run                 turns until no program runs (at most --max-turns)\n"
    "  answer ok|cancel    how the next questions are answered (OK at first)\n"
    "  screen              print the LCD: \"screen\", one line per text drawn,\n"
    "                      text X Y normal|large|wide normal|inverse \"TEXT\", one line per\n"
    "                      shown field, field ID X Y W H \"TEXT\", then \"end\"\n"
    "  lamps               print \"lamps\" and the ids of the lit lamp keys\n"
    "  file NAME           print the file NAME of the program folder byte for byte:\n"
    "                      file \"NAME\" SIZE \"BYTES\" (\\xNN for other bytes), or\n"
    "                      file \"NAME\" missing\n"
    "  size NAME           print only the size of that file: size \"NAME\" BYTES, or\n"
    "                      size \"NAME\" missing\n"
    "  # ...               a comment (blank lines are skipped too)\n"
    "Every message prints as message \"TEXT\" and every question as\n"
    "question \"TEXT\" ok|cancel, in order with the rest, on standard output. In quoted\n"
    "texts \\\" is a quote, \\\\ a backslash and \\n a line break.\n"
    "\n"
    "  --trace               print every tool move as a line \"Z X\" in machine coordinates\n"
    "                        (X is a diameter), three decimals, e.g. -10.000 37.200\n"
    "  --map FILE            write the turned workpiece as a .map image file at the end\n"
    "  --blank D,L           blank diameter D (< 200) and length L (< 800), in mm\n"
    "                        (default 100,347)\n"
    "  --speed LEVEL         the speed dialog's level 0..4 (default 0)\n"
    "  --params FILE         parameters from a Pset.dat file (with --keys, the panel's\n"
    "                        parameters instead of the folder's Pset.dat, which is\n"
    "                        rewritten only when the script types on the PAR screen)\n"
    "  --offsets FILE        tool offsets from a Dset.dat file (likewise; Dset.dat is\n"
    "                        rewritten when a value is stored on the OFT screen)\n"
    "  --max-turns N         give up after N turns of the run loop (default 4000000)\n"
    "  --max-work N          give up after N path points recorded or counted by cycles\n"
    "                        (default 20000000; a program ends within a few seconds)\n"
    "  --compare REFERENCE   compare the turned part with a reference part: a workpiece\n"
    "                        image (a .map file) or a program (any other file), run first\n"
    "                        on a fresh machine with the same set-up. The diameters are\n"
    "                        compared column by column (1 mm of Z each) from the chuck\n"
    "                        face to the blank's end, and standard output gets the\n"
    "                        largest deviation (part minus reference, mm of diameter)\n"
    "                        with its Z, the Z ranges outside the tolerance and a\n"
    "                        one-line verdict. A .map reference keeps whole millimetres\n"
    "                        of radius: the part is then compared as a .map keeps it\n"
    "                        too, and the output says so\n"
    "  --tolerance MM        the largest deviation allowed, mm of diameter (default 0.1)\n"
    "  --png FILE            write a picture of the turned part as a PNG file: its upper\n"
    "                        half shaded as the lathe view draws it, 2 pixels to the mm,\n"
    "                        a Z scale in mm and, with --compare, the reference's outline\n"
    "                        in green and the columns outside the tolerance in red\n"
    "  --keys SCRIPT         run the key script SCRIPT\n"
    "  --lcd-png FILE        with --keys: write the LCD as it stands at the script's end\n"
    "  --view-png FILE       with --keys: draw the lathe view, and write it as it stands at the end\n"
    "                        as a PNG file, one pixel a pixel of the panel's window\n"
    "                        (242 x 170: the screen area and the mode bar)\n"
    "  --programs DIR        the program folder (part programs, Pset.dat, Dset.dat);\n"
    "                        default the user's program folder when installed\n"
    "                        ($XDG_DATA_HOME/zan400lt, ~/.local/share/zan400lt, made\n"
    "                        with the sample programs on first start), else the\n"
    "                        runner's own folder. A PROGRAM named without a folder\n"
    "                        that is not in the current folder is taken from it\n"
    "  --help                display this help and exit\n"
    "  --version             output version information and exit\n"
    "\n"
    "A program run prints every message the controller shows to standard error, one\n"
    "line each; questions are answered OK.\n"
    "Exit status: 0 the program or the script ran to its end (with --compare: and the\n"
    "part is within the tolerance); 1 a move was stopped by an alarm, the program was\n"
    "still running at --max-turns or --max-work, or the run could not finish (a file\n"
    "could not be written); 2 usage error, unreadable file (also: no regular file,\n"
    "larger than a program can be, empty, binary, or more than 999 lines), a\n"
    "reference that cannot be read or whose program does not run to its end, or a\n"
    "script line that cannot be read (named on standard error with its number); 4 the\n"
    "program ran to its end but the part is outside the tolerance.\n";

struct RunOptions {
    std::filesystem::path program;
    bool trace = false;
    bool help = false;
    bool version = false;
    std::filesystem::path mapFile;
    std::optional<int> blankDiameter;
    std::optional<int> blankLength;
    int speedLevel = 0;
    std::filesystem::path paramsFile;
    std::filesystem::path offsetsFile;
    RunLimits limits;                   // turns and work before a program counts as hanging
    std::filesystem::path keysFile;     // a key script instead of a program
    std::filesystem::path programsDir;  // the program folder instead of the runner's own
    std::filesystem::path reference;    // the part to compare with: a .map image or a program
    double tolerance = kDefaultTolerance;  // mm of diameter
    std::filesystem::path pngFile;      // the picture of the turned part
    std::filesystem::path lcdPngFile;   // the LCD at a key script's end
    std::filesystem::path viewPngFile;  // the lathe view at a key script's end
};

// Values of options, shared with the grading tool.
bool ParseInt(std::string_view text, long& value);
// Millimetres, zero or more.
bool ParseMillimetres(std::string_view text, double& value);
// --max-turns N or --max-work N into `limits`; false unless N is a positive number.
bool ParseLimit(std::string_view option, std::string_view text, RunLimits& limits);
// "D,L" with the blank dialog's limits: diameter below 200, length below 800;
// empty on success, else what is wrong.
std::string ParseBlank(std::string_view text, std::optional<int>& blankDiameter, std::optional<int>& blankLength);

// Empty on success, else the reason the command line is wrong.
std::string ParseRunOptions(int argc, char** argv, RunOptions& options);

}  // namespace zan::tool
