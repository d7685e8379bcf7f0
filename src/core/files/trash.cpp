#include "core/files/trash.h"

#include <fcntl.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <system_error>


namespace zan {

namespace fs = std::filesystem;

namespace {

constexpr int kMaxSameNames = 1000;  // "05.zan", "05.zan.2", ... before giving up

// The original path as the trash records it: a URL path, every byte
// outside the unreserved characters and "/" written as %XX.
std::string EscapedPath(const std::string& path)
{
    std::string escaped;
    for (const unsigned char c : path) {
        const bool plain = std::isalnum(c) || c == '/' || c == '-' || c == '_' || c == '.' || c == '~';
        if (plain) {
            escaped += static_cast<char>(c);
        } else {
            char hex[4];
            std::snprintf(hex, sizeof hex, "%%%02X", c);
            escaped += hex;
        }
    }
    return escaped;
}

std::string TrashInfo(const fs::path& original)
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char date[32];
    std::strftime(date, sizeof date, "%Y-%m-%dT%H:%M:%S", &local);
    return "[Trash Info]\nPath=" + EscapedPath(original.string()) + "\nDeletionDate=" + date + "\n";
}

// Claims a name in the trash by creating its info file first, so that two
// deletions of files with the same name never take the same place.
bool ClaimName(const fs::path& trash, const fs::path& original, std::string& name)
{
    const std::string info = TrashInfo(original);
    const std::string base = original.filename().string();
    for (int n = 1; n <= kMaxSameNames; ++n) {
        name = n == 1 ? base : base + "." + std::to_string(n);
        const fs::path infoFile = trash / "info" / (name + ".trashinfo");
        const int fd = ::open(infoFile.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0600);
        if (fd < 0 && errno == EEXIST) continue;
        if (fd < 0) return false;
        const bool written = ::write(fd, info.data(), info.size()) == static_cast<ssize_t>(info.size());
        if (::close(fd) == 0 && written) return true;
        ::unlink(infoFile.c_str());
        return false;
    }
    return false;
}

// Into the trash's files folder: renamed when on the same file system,
// else copied and then removed.
bool MoveInto(const fs::path& file, const fs::path& target)
{
    std::error_code error;
    fs::rename(file, target, error);
    if (!error) return true;
    if (!fs::copy_file(file, target, fs::copy_options::none, error)) return false;
    if (fs::remove(file, error)) return true;
    fs::remove(target, error);
    return false;
}

}  // namespace

fs::path TrashFolder()
{
    const char* data = std::getenv("XDG_DATA_HOME");
    if (data != nullptr && *data == '/') return fs::path(data) / "Trash";
    const char* home = std::getenv("HOME");
    if (home == nullptr || *home == '\0') return {};
    return fs::path(home) / ".local" / "share" / "Trash";
}

bool MoveToTrash(const fs::path& file)
{
    const fs::path trash = TrashFolder();
    std::error_code error;
    if (trash.empty() || !fs::is_regular_file(file, error)) return false;
    fs::create_directories(trash / "files", error);
    fs::create_directories(trash / "info", error);
    const fs::path original = fs::absolute(file, error);
    std::string name;
    if (error || !ClaimName(trash, original, name)) return false;
    if (MoveInto(file, trash / "files" / name)) return true;
    fs::remove(trash / "info" / (name + ".trashinfo"), error);
    return false;
}

}  // namespace zan
