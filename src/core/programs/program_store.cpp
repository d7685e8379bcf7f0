#include "core/programs/program_store.h"

#include <algorithm>
#include <limits>
#include <system_error>
#include <vector>

#include "core/files/gb2312.h"
#include "core/files/program_file.h"
#include "core/files/trash.h"

namespace zan {

namespace fs = std::filesystem;


// In order of their names, as the controller's own file system listed
// them: the student finds %01 before %02 whatever the disk's order.
std::string ListPrograms(const fs::path& folder)
{
    std::vector<std::string> names;
    std::error_code error;
    fs::directory_iterator it(folder, error);
    for (; !error && it != fs::directory_iterator(); it.increment(error)) {
        std::error_code kind;
        if (it->is_directory(kind)) continue;
        std::string name = it->path().filename().string();
        if (name.size() >= 4 && name.compare(name.size() - 4, 4, ".zan") == 0) names.push_back(std::move(name));
    }
    std::sort(names.begin(), names.end());
    std::string listing;
    for (const std::string& name : names) {
        if (listing.size() + name.size() + 1 > kListingLimit) break;
        listing += name;
        listing += ' ';
    }
    return listing;
}

// CR LF ends a line in the file; the editor holds the line break alone.
std::string EditorTextOf(std::string_view fileText)
{
    std::string lines;
    lines.reserve(fileText.size());
    for (std::size_t i = 0; i < fileText.size(); ++i)
        if (!(fileText[i] == '\r' && i + 1 < fileText.size() && fileText[i + 1] == '\n')) lines += fileText[i];
    return Utf8FromGb2312(lines);
}

std::optional<std::string> FileTextOf(std::string_view editorText)
{
    std::optional<std::string> bytes = Gb2312FromUtf8(editorText);
    if (!bytes) return std::nullopt;
    std::string text;
    text.reserve(bytes->size() + bytes->size() / 8);
    for (const char c : *bytes) {
        if (c == '\n') text += '\r';
        text += c;
    }
    return text;
}

int StoredLength(std::string_view editorText)
{
    const std::optional<std::string> text = FileTextOf(editorText);
    return static_cast<int>(text ? text->size() : editorText.size());
}

fs::path ProgramStore::File(std::string_view number) const
{
    const std::string name = ProgramFileName(number);
    return name.empty() ? fs::path() : folder_ / name;
}

bool ProgramStore::Exists(std::string_view number) const
{
    std::error_code error;
    const fs::path file = File(number);
    return !file.empty() && fs::exists(file, error);
}

int ProgramStore::FileSize(std::string_view number) const
{
    const fs::path file = File(number);
    std::error_code error;
    if (file.empty() || !fs::is_regular_file(file, error)) return 0;
    const auto size = fs::file_size(file, error);
    return error ? 0 : static_cast<int>(std::min<std::uintmax_t>(size, std::numeric_limits<int>::max()));
}

std::optional<std::string> ProgramStore::Read(std::string_view number) const
{
    const fs::path file = File(number);
    if (file.empty()) return std::nullopt;
    const std::optional<std::string> text = ReadProgramText(file);
    if (!text) return std::nullopt;
    return EditorTextOf(*text);
}

bool ProgramStore::CreateEmpty(std::string_view number) const
{
    const fs::path file = File(number);
    return !file.empty() && CreateNewFile(file, {}) != PlaceResult::Failed;
}

SaveOutcome ProgramStore::Save(std::string_view number, std::string_view editorText) const
{
    const std::optional<std::string> text = FileTextOf(editorText);
    if (!text) return SaveOutcome::Unencodable;
    const fs::path file = File(number);
    if (file.empty() || !WriteProgramFile(file, *text)) return SaveOutcome::Failed;
    return SaveOutcome::Saved;
}

PlaceResult ProgramStore::Copy(std::string_view from, std::string_view to) const
{
    const fs::path target = File(to);
    if (target.empty()) return PlaceResult::Failed;
    if (Exists(to)) return PlaceResult::TargetExists;
    // The copy is the source's bytes as they are, terminator and all; a
    // program that cannot be read gives an empty copy, as a new program is.
    const fs::path source = File(from);
    std::string bytes;
    std::error_code error;
    if (!source.empty() && fs::is_regular_file(source, error)) {
        const std::optional<std::string> whole = ReadFileBytes(source);
        if (!whole) return PlaceResult::Failed;
        bytes = *whole;
    }
    return CreateNewFile(target, bytes);
}

PlaceResult ProgramStore::Rename(std::string_view from, std::string_view to) const
{
    const fs::path source = File(from), target = File(to);
    if (source.empty() || target.empty()) return PlaceResult::Failed;
    if (source == target) return Exists(from) ? PlaceResult::Done : PlaceResult::Failed;
    return RenameNoReplace(source, target);
}

bool ProgramStore::Trash(std::string_view number) const
{
    const fs::path file = File(number);
    return !file.empty() && MoveToTrash(file);
}

}  // namespace zan
