#pragma once
// The workpiece as an image file: what the machine puts into a ".map" file
// and takes back from one, and the open and save commands.

#include <filesystem>
#include <functional>
#include <optional>
#include <span>

#include "core/files/map_file.h"
#include "core/lathe/lathe.h"

namespace zan {

MapImage BuildMapImage(const LatheState& state);

// Puts a loaded image on the machine (see ParseMapImage for short files).
void ApplyMapImage(std::span<const unsigned char> bytes, LatheState& state);

// Saves the workpiece, replacing the file in one step; false when it could not be written.
bool WriteMapFile(const std::filesystem::path& path, const LatheState& state);

// Asks the student for a file; empty when the dialog was cancelled.
using ChooseFile = std::function<std::optional<std::filesystem::path>()>;

// The "open workpiece image" command: refused while a program runs; the tool
// is drawn back clear of the workpiece before the file is chosen; a file that
// cannot be read changes nothing more; a loaded one replaces the workpiece.
// Returns the file that was loaded.
std::optional<std::filesystem::path> OpenWorkpieceImage(Lathe& lathe, const ChooseFile& chooseFile);

// The "save workpiece image" command: a cancelled choice does nothing; a file
// that cannot be written is reported and the old one stays as it was.
// Returns the file that was written.
std::optional<std::filesystem::path> SaveWorkpieceImage(Lathe& lathe, const ChooseFile& chooseFile);

}  // namespace zan
