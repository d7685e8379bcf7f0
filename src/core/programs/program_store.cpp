#include "core/programs/program_store.h"

#include <system_error>

namespace zan {

std::string ListPrograms(const std::filesystem::path& folder)
{
    std::string listing;
    std::error_code error;
    std::filesystem::directory_iterator it(folder, error);
    for (; !error && it != std::filesystem::directory_iterator(); it.increment(error)) {
        std::error_code kind;
        if (it->is_directory(kind)) continue;
        const std::string name = it->path().filename().string();
        if (name.size() < 4 || name.compare(name.size() - 4, 4, ".zan") != 0) continue;
        if (listing.size() + name.size() + 1 > kListingLimit) break;
        listing += name;
        listing += ' ';
    }
    return listing;
}

}  // namespace zan
