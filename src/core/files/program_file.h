#pragma once
// Part-program files: one program per file, named by its two-digit number
// ("07.zan" holds program %07), in the program's folder. A file holds the
// editor's text exactly (GB2312/ASCII, lines separated by CR LF), then one
// zero byte, then CR LF. Bytes are passed through unchanged, never re-encoded.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/files/line_table.h"

namespace zan {

// "05.zan" for program 5; empty for numbers outside 0..99, which no file has.
std::string ProgramFileName(int number);

// The file of a program number as the panel holds it: its first two
// characters followed by ".zan" ("07" gives "07.zan"); empty for an empty number.
std::string ProgramFileName(std::string_view number);

// Every byte of a file; empty when it cannot be read, is no regular file (a
// folder, a FIFO, a device) or is larger than any data file of ours.
std::optional<std::string> ReadFileBytes(const std::filesystem::path& path);

// The program text of a file: everything before its first zero byte (all of
// it when there is none). Empty when the file cannot be read.
std::optional<std::string> ReadProgramText(const std::filesystem::path& path);

// Writes `text`, its zero terminator and CR LF, replacing the file in one step.
bool WriteProgramFile(const std::filesystem::path& path, std::string_view text);

// What the controller says when a program has more lines than it keeps.
inline constexpr std::string_view kTooManyLinesMessage = "程序超过999行，多余的行没有装入!";

// The largest file a program the controller can hold makes: 999 lines of 100
// characters with their CR LF, then the terminator and its CR LF.
inline constexpr std::size_t kMaxProgramFileBytes = LineTable::kRows * (LineTable::kTextBytes + 2) + 3;

// Fills the interpreter's line table from a program text: line n (lines end
// with LF or CR LF) goes to row n, cut to the row's 100 characters; every
// other row is zero. False when non-empty lines beyond the table's 999 rows
// had to be left out.
bool LoadIntoLineTable(std::string_view text, LineTable& table);

// Whether LoadIntoLineTable would leave out lines of this text.
bool LinesPastTable(std::string_view text);

// Whether a program's text may hold the character that starts with this
// byte (of its UTF-8 text): printable characters and the line break do; other
// control characters do not (a zero byte would end the program there).
constexpr bool ProgramCanHold(unsigned char leadByte) { return leadByte == '\n' || (leadByte >= 0x20 && leadByte != 0x7F); }

}  // namespace zan
