#pragma once
// The one loader of a part program from its file, for every front end: the
// window opening a program, the panel's AUTO, the runner and the grader. It
// reads the file and judges it; each front end decides which faults it
// refuses and puts them into its own words.

#include <filesystem>
#include <optional>
#include <string>

namespace zan {

// Why a file is no program to run, in the order they are judged: a file that
// was not read, then one that was read but is larger than any program the
// controller holds, holds bytes no program text has, holds nothing, or has
// more lines than the controller keeps.
enum class ProgramFault {
    None,
    Missing,       // no such file
    NotRegular,    // a folder, a FIFO, a device
    Unreadable,    // the system refused it
    TooLarge,      // a file over kMaxProgramFileBytes (not read at all over kMaxDataFileBytes)
    Binary,        // control bytes other than tab and the line ends
    Empty,         // nothing but blanks and line ends
    TooManyLines,  // non-empty lines past the 999th, which the controller does not keep
};

struct ProgramLoad {
    ProgramFault fault = ProgramFault::None;
    // The program: the file's bytes before its terminator. Present whenever
    // the file was read, also with the faults from TooLarge on, for the
    // front ends that load what fits as the controller does.
    std::optional<std::string> text;
    std::string reason;  // the reader's words for a file not read: "no such file", ...
    // Lines past the 999th were left out, whatever the first fault is.
    bool linesLeftOut = false;
};

ProgramLoad LoadProgramFile(const std::filesystem::path& path);

}  // namespace zan
