#include "core/files/file_replace.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <optional>
#include <string>
#include <system_error>

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
    const PlaceResult result = LinkResult(::link(temporary->c_str(), path.c_str()));
    ::unlink(temporary->c_str());
    return result;
}

PlaceResult RenameNoReplace(const std::filesystem::path& from, const std::filesystem::path& to)
{
    std::error_code error;
    if (std::filesystem::exists(to, error)) return PlaceResult::TargetExists;
    const PlaceResult result = LinkResult(::link(from.c_str(), to.c_str()));
    if (result != PlaceResult::Done) return result;
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
