#include "core/files/parameter_files.h"

#include <fstream>
#include <span>
#include <string>

#include "core/text/format_fixed.h"
#include "core/text/read_number.h"
#include "core/files/file_replace.h"

namespace zan {

namespace {

constexpr int kRecordBytes = 11;
constexpr int kTextBytes = 10;  // the number's text; the 11th byte is a space

// Reads records in table order into `values` until the file or a record ends
// short; the values after that stay as they were.
void ReadRecords(const std::filesystem::path& path, std::span<double> values)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) return;
    char record[kRecordBytes];
    for (double& value : values) {
        if (!in.read(record, kRecordBytes)) return;
        // The number starts at the record's first byte, sign included.
        value = ReadNumber(std::string_view(record, kRecordBytes), -1);
    }
}

std::string Records(std::span<const double> values)
{
    std::string bytes;
    bytes.reserve(values.size() * kRecordBytes);
    for (const double value : values) {
        std::string text = FormatFixed(value, 5, 3, false);
        // A nine-character text is followed by its terminating zero byte.
        text.resize(kTextBytes, '\0');
        bytes += text;
        bytes += ' ';
    }
    return bytes;
}

}  // namespace

Parameters ReadParameters(const std::filesystem::path& file)
{
    Parameters values = kDefaultParameters;
    ReadRecords(file, values);
    return values;
}

ToolOffsets ReadOffsets(const std::filesystem::path& file)
{
    ToolOffsets values{};
    ReadRecords(file, values);
    return values;
}

Parameters ReadParameterFile(const std::filesystem::path& folder) { return ReadParameters(folder / kParameterFileName); }

ToolOffsets ReadOffsetFile(const std::filesystem::path& folder) { return ReadOffsets(folder / kOffsetFileName); }

bool WriteParameterFile(const std::filesystem::path& folder, const Parameters& values)
{
    return ReplaceFile(folder / kParameterFileName, Records(values));
}

bool WriteOffsetFile(const std::filesystem::path& folder, const ToolOffsets& values)
{
    return ReplaceFile(folder / kOffsetFileName, Records(values));
}

}  // namespace zan
