#pragma once
// Deleting a program moves it to the desktop's trash (the freedesktop.org
// trash in the user's data folder), from where the student can restore it.

#include <filesystem>

namespace zan {

// The trash folder: $XDG_DATA_HOME/Trash, or ~/.local/share/Trash.
// Empty when neither variable is set.
std::filesystem::path TrashFolder();

// Moves `file` into the trash with the record of where it came from. False
// when it could not (the file is then where it was).
bool MoveToTrash(const std::filesystem::path& file);

}  // namespace zan
