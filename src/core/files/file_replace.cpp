#include "core/files/file_replace.h"

#include <fcntl.h>
#include <stdio.h>  // renameat2
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <optional>
#include <string>
#include <system_error>

namespace zan {

namespace {

// Every byte of a regular file; nullopt when it cannot be read.
std::optional<std::string> ReadAll(const std::filesystem::path& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    std::string bytes;
    char buffer[4096];
    ssize_t n = 0;
    while ((n = ::read(fd, buffer, sizeof buffer)) != 0) {
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) break;
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    if (n < 0) return std::nullopt;
    return bytes;
}

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

// Writes the bytes into a temporary file beside `path`; its name on success.
std::optional<std::string> WriteTemporary(const std::filesystem::path& path, std::string_view bytes)
{
    if (!path.has_filename()) return std::nullopt;
    std::string temporary;
    const int fd = OpenTemporary(path, temporary);
    if (fd < 0) return std::nullopt;
    // The data reaches the disk before the rename, so that a crash leaves
    // either the old file or the new one, never an empty one.
    bool written = WriteAll(fd, bytes) && ::fsync(fd) == 0;
    written = ::close(fd) == 0 && written;
    // mkstemp creates the file for its owner only: the new file keeps the
    // old one's permissions, and a new file is readable like any other.
    written = written && ::chmod(temporary.c_str(), ModeFor(path)) == 0;
    if (written) return temporary;
    ::unlink(temporary.c_str());
    return std::nullopt;
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
    const std::optional<std::string> temporary = WriteTemporary(path, bytes);
    if (!temporary) return false;
    if (::rename(temporary->c_str(), path.c_str()) == 0) return true;
    ::unlink(temporary->c_str());
    return false;
}

PlaceResult CreateNewFile(const std::filesystem::path& path, std::string_view bytes)
{
    std::error_code error;
    if (std::filesystem::exists(path, error)) return PlaceResult::TargetExists;
    const std::optional<std::string> temporary = WriteTemporary(path, bytes);
    if (!temporary) return PlaceResult::Failed;
    const int linked = ::link(temporary->c_str(), path.c_str());
    if (!NoHardLinks(linked)) {
        const PlaceResult result = LinkResult(linked);
        ::unlink(temporary->c_str());
        return result;
    }
    if (const std::optional<PlaceResult> renamed = RenameRefusingTarget(*temporary, path)) {
        if (*renamed != PlaceResult::Done) ::unlink(temporary->c_str());
        return *renamed;
    }
    ::unlink(temporary->c_str());
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
        const std::optional<std::string> bytes = ReadAll(from);
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

bool FolderWritable(const std::filesystem::path& folder)
{
    std::error_code error;
    if (!std::filesystem::is_directory(folder, error)) return false;
    return ::access(folder.c_str(), W_OK) == 0;
}

}  // namespace zan
