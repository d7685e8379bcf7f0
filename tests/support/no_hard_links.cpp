// Loaded with LD_PRELOAD into the runner, this makes its program folder
// behave like a FAT or exFAT USB stick or an SMB share: hard links are
// refused (EPERM, as vfat refuses them). With ZAN_TEST_NO_RENAME_NOREPLACE
// set, a rename that refuses to replace is not offered either (EINVAL, as
// some network file systems answer), so that the last fallback is tried.

#include <dlfcn.h>

#include <cerrno>
#include <cstdlib>

extern "C" {

int link(const char*, const char*)
{
    errno = EPERM;
    return -1;
}

int linkat(int, const char*, int, const char*, int)
{
    errno = EPERM;
    return -1;
}

int renameat2(int fromDir, const char* from, int toDir, const char* to, unsigned int flags)
{
    using Renameat2 = int (*)(int, const char*, int, const char*, unsigned int);
    if (std::getenv("ZAN_TEST_NO_RENAME_NOREPLACE") != nullptr) {
        errno = EINVAL;
        return -1;
    }
    const auto real = reinterpret_cast<Renameat2>(dlsym(RTLD_NEXT, "renameat2"));
    if (real == nullptr) {
        errno = ENOSYS;
        return -1;
    }
    return real(fromDir, from, toDir, to, flags);
}
}
