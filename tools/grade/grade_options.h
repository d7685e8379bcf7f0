#pragma once
// The grading tool's command line.

#include <filesystem>
#include <optional>
#include <string>

#include "core/grading/comparison.h"
#include "core/station/headless.h"

namespace zan::tool {

inline constexpr const char* kGradeUsage =
    "Usage: zan400lt-grade --reference REFERENCE [OPTION]... CLASSDIR\n"
    "Grades a class: runs every student's part program found in CLASSDIR on a fresh\n"
    "simulated ZAN 400LT lathe, as zan400lt-run runs one, and compares each turned part\n"
    "with the reference column by column (1 mm of Z each), from the chuck face to the\n"
    "blank's end. Programs run side by side, one per core.\n"
    "\n"
    "CLASSDIR holds one NAME.zan file per student (the student is NAME), or one folder\n"
    "per student holding exactly one .zan file (the student is the folder's name).\n"
    "Hidden entries, other files, the output folder and the reference are passed over.\n"
    "With --program NN, CLASSDIR holds one program folder per student instead, as the\n"
    "trainer keeps one (each student starts it with --programs CLASSDIR/$USER, or\n"
    "their own folder is copied there), and NN.zan of each is graded.\n"
    "\n"
    "  --reference REFERENCE  the part to compare with: a workpiece image (a .map file,\n"
    "                         which keeps whole millimetres of radius: every part is then\n"
    "                         compared as a .map keeps it) or a program (any other file),\n"
    "                         run first on the same fresh machine; it must run to its end\n"
    "  --tolerance MM         the largest deviation allowed, mm of diameter (default 0.1)\n"
    "  --out DIR              where the report goes (default grades/ in the current folder)\n"
    "  --blank D,L            blank diameter D (< 200) and length L (< 800), in mm\n"
    "                         (default 100,347)\n"
    "  --max-turns N          a program still running after N turns of the run loop\n"
    "                         hangs and is stopped there (default 4000000)\n"
    "  --max-work N           likewise after N path points recorded or counted by\n"
    "                         cycles (default 20000000): each program ends within a\n"
    "                         few seconds\n"
    "  --program NN           grade program NN (NN.zan) of each student's folder\n"
    "  --jobs N               programs run side by side (default: one per core)\n"
    "  --help                 display this help and exit\n"
    "  --version              output version information and exit\n"
    "\n"
    "DIR receives grades.csv, with the header\n"
    "  student,status,max_deviation_mm,at_z_mm,verdict,picture,detail\n"
    "and one row per student sorted by student: status finished, alarm, turn-limit,\n"
    "work-limit or unreadable; the largest deviation in mm of diameter and its Z;\n"
    "verdict pass (only a finished part within the tolerance) or fail; the picture's\n"
    "file; the detail in CSV quotes (the alarm and the block that raised it, the reason\n"
    "a program could not be read, the program checker's finding, every value the\n"
    "controller's number reader does not read as written, the Z ranges outside the\n"
    "tolerance, the messages shown). A student or detail starting with =, +, -, @, a tab or a carriage return\n"
    "gets a leading ' so that no spreadsheet takes it for a formula. report.html is one\n"
    "page that needs nothing else, with the table and a picture of each part; 001.png,\n"
    "002.png, ... are the pictures, numbered by row: the upper half of the part shaded\n"
    "as the lathe view draws it, the reference's outline in green, the columns outside\n"
    "the tolerance in red, Z in mm.\n"
    "A program that cannot be read (no regular file, larger than a program can be,\n"
    "empty, binary, more than 999 lines), that leads outside CLASSDIR (a link: it is\n"
    "not read), stops on an alarm or hangs gets its own row.\n"
    "\n"
    "Exit status: 0 the report was written (whatever the grades); 1 a file of it could\n"
    "not be written; 2 usage error, or a class folder or a reference that cannot be\n"
    "used (a reference program must run to its end).\n";

struct GradeOptions {
    std::filesystem::path reference;
    std::filesystem::path classDir;
    std::filesystem::path outDir = "grades";
    double tolerance = kDefaultTolerance;  // mm of diameter
    std::optional<int> blankDiameter;      // mm
    std::optional<int> blankLength;        // mm
    RunLimits limits;
    int jobs = 0;                          // 0: one per core
    std::string programFile;               // --program NN: "NN.zan" of each student's program folder
    bool help = false;
    bool version = false;
};

// Empty on success, else the reason the command line is wrong.
std::string ParseGradeOptions(int argc, char** argv, GradeOptions& options);

}  // namespace zan::tool
