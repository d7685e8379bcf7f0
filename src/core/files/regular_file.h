#pragma once
// Reading a file someone else made, safely: only a regular file is read (a
// FIFO, a device or a folder under a .zan name would block the reader or never
// end), the check is made on the opened file itself, and no more than a limit
// is read, however large the file is or grows.

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>

namespace zan {

// Files larger than this are refused by the readers that take no limit of their
// own (the controller's programs and parameter files are a few kilobytes).
inline constexpr std::size_t kMaxDataFileBytes = 16u << 20;

// Why a file was not read.
enum class FileRefusal {
    None,
    Missing,     // no such file
    NotRegular,  // a folder, a FIFO, a device, a socket
    TooLarge,    // refused for its size alone
    Failed,      // the system refused it (permissions, input/output error)
};

struct FileRead {
    std::optional<std::string> bytes;  // every byte of the file; none when it was refused
    // Why not, for a message: "no such file", "a FIFO, not a regular file",
    // "larger than 1005 bytes", ...
    std::string problem;
    FileRefusal refusal = FileRefusal::None;
    bool tooLarge() const { return refusal == FileRefusal::TooLarge; }
};

// The whole file when it is a regular file of at most `limit` bytes. Opening
// never blocks and never makes the file the process's terminal.
FileRead ReadRegularFile(const std::filesystem::path& path, std::size_t limit);

}  // namespace zan
