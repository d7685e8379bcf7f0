#include "core/files/file_replace.h"

#include <fstream>
#include <system_error>

namespace zan {

namespace {

bool WriteAll(const std::filesystem::path& path, std::string_view bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    return !out.fail();
}

}  // namespace

bool ReplaceFile(const std::filesystem::path& path, std::string_view bytes)
{
    if (!path.has_filename()) return false;
    // Same folder as the target, so the rename never crosses file systems.
    // The suffix keeps it out of the "*.zan" program listing.
    std::filesystem::path temporary = path;
    temporary += ".tmp";

    std::error_code error;
    if (!WriteAll(temporary, bytes)) {
        std::filesystem::remove(temporary, error);
        return false;
    }
    std::filesystem::rename(temporary, path, error);
    if (error) {
        std::filesystem::remove(temporary, error);
        return false;
    }
    return true;
}

}  // namespace zan
