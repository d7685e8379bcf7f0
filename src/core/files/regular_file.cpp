#include "core/files/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <algorithm>
#include <cstring>

namespace zan {

namespace {

// What a file that is not a regular one is, for the message.
std::string KindOf(mode_t mode)
{
    if (S_ISDIR(mode)) return "a folder";
    if (S_ISFIFO(mode)) return "a FIFO";
    if (S_ISCHR(mode) || S_ISBLK(mode)) return "a device";
    if (S_ISSOCK(mode)) return "a socket";
    return "a special file";
}

std::string TooLarge(std::size_t limit) { return "larger than " + std::to_string(limit) + " bytes"; }

// Up to limit + 1 bytes, so that a file that grew past the limit since fstat is noticed.
FileRead ReadUpTo(int fd, std::size_t limit, std::size_t expected)
{
    FileRead read;
    std::string bytes(std::min(expected, limit) + 1, '\0');
    std::size_t got = 0;
    for (;;) {
        if (got == bytes.size()) {
            if (bytes.size() > limit) break;
            bytes.resize(std::min(bytes.size() * 2, limit + 1));
        }
        const ssize_t n = ::read(fd, bytes.data() + got, bytes.size() - got);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            read.problem = std::strerror(errno);
            read.refusal = FileRefusal::Failed;
            return read;
        }
        if (n == 0) break;
        got += static_cast<std::size_t>(n);
    }
    if (got > limit) {
        read.problem = TooLarge(limit);
        read.refusal = FileRefusal::TooLarge;
        return read;
    }
    bytes.resize(got);
    read.bytes = std::move(bytes);
    return read;
}

}  // namespace

FileRead ReadRegularFile(const std::filesystem::path& path, std::size_t limit)
{
    FileRead read;
    // O_NONBLOCK: opening a FIFO with no writer would wait for ever.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        const bool missing = errno == ENOENT;
        read.problem = missing ? "no such file" : std::strerror(errno);
        read.refusal = missing ? FileRefusal::Missing : FileRefusal::Failed;
        return read;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        read.problem = std::strerror(errno);
        read.refusal = FileRefusal::Failed;
    } else if (!S_ISREG(info.st_mode)) {
        read.problem = KindOf(info.st_mode) + ", not a regular file";
        read.refusal = FileRefusal::NotRegular;
    } else if (info.st_size < 0 || static_cast<unsigned long long>(info.st_size) > limit) {
        read.problem = TooLarge(limit);
        read.refusal = FileRefusal::TooLarge;
    } else {
        read = ReadUpTo(fd, limit, static_cast<std::size_t>(info.st_size));
    }
    ::close(fd);
    return read;
}

}  // namespace zan
