#pragma once
// The program store: the part programs in the program folder, one file per
// program named by its number ("07.zan"). The editor holds a program as
// UTF-8 text with lines separated by "\n"; its file holds GB2312 bytes with
// lines separated by CR LF (see program_file.h for the file's layout).

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/files/file_replace.h"

namespace zan {

inline constexpr std::size_t kListingLimit = 299;  // characters of the listing

// Every "*.zan" file of the folder (not sub-folders), each name followed by
// one space, in the order of their names; names that would take the
// listing past 299 characters are left out. Empty when the folder cannot be read.
std::string ListPrograms(const std::filesystem::path& folder);

enum class SaveOutcome {
    Saved,
    Failed,       // the file could not be written; the old one is unchanged
    Unencodable,  // the text holds characters a program file cannot: not written
};

// A program's file bytes as editor text, and back (empty when the text
// holds a character GB2312 cannot).
std::string EditorTextOf(std::string_view fileText);
std::optional<std::string> FileTextOf(std::string_view editorText);
// Bytes the editor text takes in its file, without the terminator and CR LF:
// what the Edit screen's length read-out counts.
int StoredLength(std::string_view editorText);

// Operations on the program numbered `number` (its first two characters
// name the file; an empty number names none).
class ProgramStore {
public:
    explicit ProgramStore(std::filesystem::path folder) : folder_(std::move(folder)) {}

    std::filesystem::path File(std::string_view number) const;
    bool Exists(std::string_view number) const;
    // Bytes of the program's file, its zero byte and CR LF included, as the
    // Edit screen's length read-out counts them; 0 when there is no such file.
    int FileSize(std::string_view number) const;
    // The editor text of the program; empty when it cannot be read.
    std::optional<std::string> Read(std::string_view number) const;
    // Creates the program's file empty; true when it now exists.
    bool CreateEmpty(std::string_view number) const;
    SaveOutcome Save(std::string_view number, std::string_view editorText) const;
    // A copy or a new name never replaces an existing program.
    PlaceResult Copy(std::string_view from, std::string_view to) const;
    PlaceResult Rename(std::string_view from, std::string_view to) const;
    // Into the desktop's trash; false when it could not (it is then still here).
    bool Trash(std::string_view number) const;

private:
    std::filesystem::path folder_;
};

}  // namespace zan
