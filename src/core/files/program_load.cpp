#include "core/files/program_load.h"

#include <algorithm>

#include "core/files/program_file.h"
#include "core/files/regular_file.h"

namespace zan {

namespace {

// Text bytes: everything from the space on (GB2312 and UTF-8 included), tab
// and the line ends; other control bytes mark a file that is no program.
bool IsTextByte(unsigned char byte) { return byte >= 0x20 ? byte != 0x7F : byte == '\t' || byte == '\r' || byte == '\n'; }

ProgramFault FaultOfRefusal(FileRefusal refusal)
{
    switch (refusal) {
    case FileRefusal::Missing: return ProgramFault::Missing;
    case FileRefusal::NotRegular: return ProgramFault::NotRegular;
    case FileRefusal::TooLarge: return ProgramFault::TooLarge;
    default: return ProgramFault::Unreadable;
    }
}

ProgramFault FaultOfText(std::size_t fileBytes, const std::string& text, bool linesLeftOut)
{
    if (fileBytes > kMaxProgramFileBytes) return ProgramFault::TooLarge;
    if (!std::all_of(text.begin(), text.end(), [](char c) { return IsTextByte(static_cast<unsigned char>(c)); }))
        return ProgramFault::Binary;
    if (text.find_first_not_of(" \t\r\n") == std::string::npos) return ProgramFault::Empty;
    return linesLeftOut ? ProgramFault::TooManyLines : ProgramFault::None;
}

}  // namespace

ProgramLoad LoadProgramFile(const std::filesystem::path& path)
{
    ProgramLoad load;
    // Read as any data file, so that the front ends loading what fits can
    // still load the first 999 lines of a longer file.
    FileRead read = ReadRegularFile(path, kMaxDataFileBytes);
    if (!read.bytes) {
        load.fault = FaultOfRefusal(read.refusal);
        load.reason = std::move(read.problem);
        return load;
    }
    std::string& text = *read.bytes;
    const std::size_t fileBytes = text.size();
    // The program ends at its terminator; the CR LF after it is not text.
    text.resize(std::min(text.size(), text.find('\0')));
    load.linesLeftOut = LinesPastTable(text);
    load.fault = FaultOfText(fileBytes, text, load.linesLeftOut);
    load.text = std::move(text);
    return load;
}

}  // namespace zan
