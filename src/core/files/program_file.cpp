#include "core/files/program_file.h"

#include <algorithm>
#include <system_error>

#include "core/files/file_replace.h"
#include "core/files/regular_file.h"

namespace zan {

namespace {

constexpr std::string_view kExtension = ".zan";
constexpr std::string_view kTrailer{"\0\r\n", 3};  // terminator, then CR LF

// The line starting at `start` without its line end, and where the next begins.
std::string_view LineAt(std::string_view text, std::size_t start, std::size_t& next)
{
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    next = end + 1;
    std::size_t length = end - start;
    if (length > 0 && text[end - 1] == '\r' && end < text.size()) --length;  // CR of CR LF
    return text.substr(start, length);
}

void CopyIntoRow(std::string_view line, std::array<char, LineTable::kRowBytes>& row)
{
    const std::size_t n = std::min<std::size_t>(line.size(), LineTable::kTextBytes);
    std::copy_n(line.begin(), n, row.begin());
}

}  // namespace

std::string ProgramFileName(int number)
{
    if (number < 0 || number > 99) return {};
    std::string name(1, static_cast<char>('0' + number / 10));
    name += static_cast<char>('0' + number % 10);
    name += kExtension;
    return name;
}

std::string ProgramFileName(std::string_view number)
{
    if (number.empty()) return {};
    std::string name(number.substr(0, 2));
    name += kExtension;
    return name;
}

std::optional<std::string> ReadFileBytes(const std::filesystem::path& path)
{
    return ReadRegularFile(path, kMaxDataFileBytes).bytes;
}

std::optional<std::string> ReadProgramText(const std::filesystem::path& path)
{
    std::optional<std::string> bytes = ReadFileBytes(path);
    if (!bytes) return std::nullopt;
    // The program ends at its terminator; the CR LF after it is not text.
    const std::size_t end = bytes->find('\0');
    if (end != std::string::npos) bytes->resize(end);
    return bytes;
}

bool WriteProgramFile(const std::filesystem::path& path, std::string_view text)
{
    std::string bytes(text);
    bytes += kTrailer;
    return ReplaceFile(path, bytes);
}

bool LoadIntoLineTable(std::string_view text, LineTable& table)
{
    // Rows after the last line must read as empty: an empty row ends the run.
    table.Clear();
    std::size_t start = 0;
    for (int row = 0; start <= text.size(); ++row) {
        if (row == LineTable::kRows) return text.find_first_not_of("\r\n", start) == std::string_view::npos;
        std::size_t next = 0;
        CopyIntoRow(LineAt(text, start, next), table.rows[row]);
        start = next;
    }
    return true;
}

bool LinesPastTable(std::string_view text)
{
    std::size_t start = 0;
    for (int row = 0; row < LineTable::kRows && start <= text.size(); ++row) {
        const std::size_t end = text.find('\n', start);
        start = end == std::string_view::npos ? text.size() + 1 : end + 1;
    }
    return start <= text.size() && text.find_first_not_of("\r\n", start) != std::string_view::npos;
}

}  // namespace zan
