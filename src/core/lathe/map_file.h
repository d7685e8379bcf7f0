#pragma once
// Workpiece image files (".map"): the turned profile of view columns 0..999
// as whole millimetres of radius, one signed byte each, then the blank's
// diameter and its end column in tens, then three zero bytes. 1005 bytes, no
// header; fractions of a millimetre and columns 1000.. are not kept.

#include <array>
#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <vector>

#include "lathe/lathe.h"

namespace zan {

inline constexpr int kMapColumns = 1000;
inline constexpr int kMapFileBytes = 1005;

using MapImage = std::array<unsigned char, kMapFileBytes>;

MapImage BuildMapImage(const LatheState& state);

// Puts a loaded image on the machine. Bytes missing from a short file count
// as zero. The diameter byte reads as unsigned, so blanks up to 199 mm come
// back as they were saved.
void ApplyMapImage(std::span<const unsigned char> bytes, LatheState& state);

// Saves the workpiece, replacing the file in one step; false when it could not be written.
bool WriteMapFile(const std::filesystem::path& path, const LatheState& state);

// The first 1005 bytes of the file (fewer when it is shorter); empty when it cannot be read.
std::optional<std::vector<unsigned char>> ReadMapFile(const std::filesystem::path& path);

// Asks the student for a file; empty when the dialog was cancelled.
using ChooseFile = std::function<std::optional<std::filesystem::path>()>;

// The "open workpiece image" command: refused while a program runs; the tool
// is drawn back clear of the workpiece before the file is chosen; a file that
// cannot be read changes nothing more; a loaded one replaces the workpiece.
void OpenWorkpieceImage(Lathe& lathe, const ChooseFile& chooseFile);

}  // namespace zan
