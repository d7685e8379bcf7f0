#pragma once
// Writing a data file so that a failure never leaves half of it behind: the
// bytes go to a temporary file beside the target, reach the disk, and then
// the temporary file takes the target's name in one step. Used by every file
// the simulator writes.

#include <filesystem>
#include <string_view>

namespace zan {

// True when `path` now holds exactly `bytes`. On failure (a full disk, a
// folder that cannot be written) the old file, if any, is unchanged and no
// temporary file is left.
bool ReplaceFile(const std::filesystem::path& path, std::string_view bytes);

// Files that must not take the place of another: a copy or a renamed
// program never replaces an existing one.
enum class PlaceResult {
    Done,
    TargetExists,  // nothing was changed
    Failed,        // nothing was changed
};

// Creates `path` holding `bytes`, unless it exists; written as ReplaceFile
// writes, so that no half-written file appears under the name.
PlaceResult CreateNewFile(const std::filesystem::path& path, std::string_view bytes);

// Gives `from` the name `to`, unless `to` exists.
PlaceResult RenameNoReplace(const std::filesystem::path& from, const std::filesystem::path& to);

// Removes what saves killed half-way left in `folder`: files named as the
// temporary files above are (NAME.XXXXXX.tmp) that no save holds locked now.
// The number of files removed.
int RemoveSaveLeftovers(const std::filesystem::path& folder);

// Whether files can be created in `folder` (false for a read-only
// installation or file system, or a folder that does not exist).
bool FolderWritable(const std::filesystem::path& folder);

}  // namespace zan
