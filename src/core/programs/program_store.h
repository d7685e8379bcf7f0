#pragma once
// The program store: the part programs in the program folder, one file per
// program named by its two-digit number ("07.zan").

#include <filesystem>
#include <string>

namespace zan {

inline constexpr std::size_t kListingLimit = 299;  // characters of the listing

// Every "*.zan" file of the folder (not sub-folders), each name followed by
// one space, in the order the folder lists them; names that would take the
// listing past 299 characters are left out. Empty when the folder cannot be read.
std::string ListPrograms(const std::filesystem::path& folder);

}  // namespace zan
