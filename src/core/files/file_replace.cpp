#include "core/files/file_replace.h"

#include <fcntl.h>
#include <stdio.h>  // renameat2
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <optional>
#include <string>
#include <system_error>

#include "core/files/regular_file.h"

namespace zan {

namespace {

// Writes every byte, going on after short writes and interrupted calls.
bool WriteAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// A new file beside `path` with a unique name, so that two students saving
// into one shared folder never write into each other's temporary file. The
// name ends in ".tmp", which keeps it out of the "*.zan" listing.
int OpenTemporary(const std::filesystem::path& path, std::string& name)
{
    name = path.string() + ".XXXXXX.tmp";
    return ::mkstemps(name.data(), 4);
}

constexpr mode_t kNewFileMode = 0644;

mode_t ModeFor(const std::filesystem::path& path)
{
    struct stat old {};
    if (::stat(path.c_str(), &old) == 0) return old.st_mode & 07777;
    return kNewFileMode;
}

// A temporary file written and locked: the lock tells a program that opens
// the folder that the file is no leftover of a save killed half-way (see
// RemoveSaveLeftovers). Closing it (at the end of the save) lets the lock go.
struct Temporary {
    std::string name;
    int fd = -1;
    Temporary() = default;
    Temporary(const Temporary&) = delete;
    Temporary& operator=(const Temporary&) = delete;
    ~Temporary()
    {
        if (fd >= 0) ::close(fd);
    }
};

// Writes the bytes into a locked temporary file beside `path`; false (and
// nothing left behind) when it could not be written.
bool WriteTemporary(const std::filesystem::path& path, std::string_view bytes, Temporary& temporary)
{
    if (!path.has_filename()) return false;
    temporary.fd = OpenTemporary(path, temporary.name);
    if (temporary.fd < 0) return false;
    // The data reaches the disk before the rename, so that a crash leaves
    // either the old file or the new one, never an empty one.
    bool written = ::flock(temporary.fd, LOCK_EX) == 0 && WriteAll(temporary.fd, bytes) && ::fsync(temporary.fd) == 0;
    // mkstemp creates the file for its owner only: the new file keeps the
    // old one's permissions, and a new file is readable like any other.
    written = written && ::fchmod(temporary.fd, ModeFor(path)) == 0;
    if (written) return true;
    ::unlink(temporary.name.c_str());
    return false;
}

// Whether a file name is one OpenTemporary makes: NAME.XXXXXX.tmp, the X
// from mkstemp's letters and digits.
bool TemporaryName(std::string_view name)
{
    constexpr std::string_view kEnd = ".tmp";
    constexpr std::size_t kUnique = 6;
    if (name.size() < kUnique + kEnd.size() + 2 || !name.ends_with(kEnd)) return false;
    const std::string_view unique = name.substr(name.size() - kEnd.size() - kUnique, kUnique);
    const char dot = name[name.size() - kEnd.size() - kUnique - 1];
    return dot == '.' && std::all_of(unique.begin(), unique.end(), [](char c) { return std::isalnum(static_cast<unsigned char>(c)); });
}

// A link fails when the name is taken, where a rename would replace it.
PlaceResult LinkResult(int result) { return result == 0 ? PlaceResult::Done : errno == EEXIST ? PlaceResult::TargetExists : PlaceResult::Failed; }

// Creates `path` only if no file has its name, and writes `bytes` into it:
// the last way to place a file that never replaces another, where the
// folder takes neither hard links nor a rename that refuses to replace. On
// failure nothing is left under the name.
PlaceResult WriteExclusive(const std::filesystem::path& path, std::string_view bytes, mode_t mode)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    if (fd < 0) return errno == EEXIST ? PlaceResult::TargetExists : PlaceResult::Failed;
    bool written = WriteAll(fd, bytes) && ::fsync(fd) == 0;
    written = ::close(fd) == 0 && written;
    if (written) return PlaceResult::Done;
    ::unlink(path.c_str());
    return PlaceResult::Failed;
}

// Renames without replacing, where the file system can; nullopt where it
// cannot say (no such rename on this system or file system).
std::optional<PlaceResult> RenameRefusingTarget(const std::filesystem::path& from, const std::filesystem::path& to)
{
#ifdef RENAME_NOREPLACE
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return PlaceResult::Done;
    if (errno == EEXIST) return PlaceResult::TargetExists;
    if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP) return PlaceResult::Failed;
#endif
    return std::nullopt;
}

// FAT and exFAT USB sticks and many SMB shares have no hard links: `link`
// is refused there with an error other than EEXIST.
bool NoHardLinks(int linkResult) { return linkResult != 0 && errno != EEXIST; }

}  // namespace

bool ReplaceFile(const std::filesystem::path& path, std::string_view bytes)
{
    Temporary temporary;
    if (!WriteTemporary(path, bytes, temporary)) return false;
    if (::rename(temporary.name.c_str(), path.c_str()) == 0) return true;
    ::unlink(temporary.name.c_str());
    return false;
}

PlaceResult CreateNewFile(const std::filesystem::path& path, std::string_view bytes)
{
    std::error_code error;
    if (std::filesystem::exists(path, error)) return PlaceResult::TargetExists;
    Temporary temporary;
    if (!WriteTemporary(path, bytes, temporary)) return PlaceResult::Failed;
    const int linked = ::link(temporary.name.c_str(), path.c_str());
    if (!NoHardLinks(linked)) {
        const PlaceResult result = LinkResult(linked);
        ::unlink(temporary.name.c_str());
        return result;
    }
    if (const std::optional<PlaceResult> renamed = RenameRefusingTarget(temporary.name, path)) {
        if (*renamed != PlaceResult::Done) ::unlink(temporary.name.c_str());
        return *renamed;
    }
    ::unlink(temporary.name.c_str());
    return WriteExclusive(path, bytes, ModeFor(path));
}

PlaceResult RenameNoReplace(const std::filesystem::path& from, const std::filesystem::path& to)
{
    std::error_code error;
    if (std::filesystem::exists(to, error)) return PlaceResult::TargetExists;
    const int linked = ::link(from.c_str(), to.c_str());
    if (NoHardLinks(linked)) {
        if (const std::optional<PlaceResult> renamed = RenameRefusingTarget(from, to)) return *renamed;
        // The last way: a copy under the new name, then the old name goes.
        const std::optional<std::string> bytes = ReadRegularFile(from, kMaxDataFileBytes).bytes;
        if (!bytes) return PlaceResult::Failed;
        const PlaceResult copied = WriteExclusive(to, *bytes, ModeFor(from));
        if (copied != PlaceResult::Done) return copied;
    } else if (linked != 0) {
        return LinkResult(linked);
    }
    if (::unlink(from.c_str()) == 0) return PlaceResult::Done;
    ::unlink(to.c_str());
    return PlaceResult::Failed;
}

int RemoveSaveLeftovers(const std::filesystem::path& folder)
{
    int removed = 0;
    std::error_code error;
    for (const std::filesystem::directory_entry& entry : std::filesystem::directory_iterator(folder, error)) {
        const std::string name = entry.path().filename().string();
        if (!TemporaryName(name) || !entry.is_regular_file(error) || entry.is_symlink(error)) continue;
        // A save in progress holds the lock: its file is not a leftover.
        const int fd = ::open(entry.path().c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
        if (fd < 0) continue;
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::unlink(entry.path().c_str()) == 0) ++removed;
        ::close(fd);
    }
    return removed;
}

bool FolderWritable(const std::filesystem::path& folder)
{
    std::error_code error;
    if (!std::filesystem::is_directory(folder, error)) return false;
    return ::access(folder.c_str(), W_OK) == 0;
}

}  // namespace zan
