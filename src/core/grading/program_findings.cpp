#include "core/grading/program_findings.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "core/files/gb2312.h"
#include "core/files/line_table.h"
#include "core/nc/checker.h"
#include "core/text/read_number.h"

namespace zan {

namespace {

bool IsAddress(char c) { return c >= 'A' && c <= 'Z' && c != 'G' && c != 'M'; }

// The number as written after the letter at `letter`: a sign, digits, a
// point and digits; empty when there is none.
std::string_view WrittenNumber(std::string_view row, std::size_t letter)
{
    std::size_t end = letter + 1;
    if (end < row.size() && row[end] == '-') ++end;
    while (end < row.size() && ((row[end] >= '0' && row[end] <= '9') || row[end] == '.')) ++end;
    return row.substr(letter + 1, end - letter - 1);
}

std::string Thousandths(double value)
{
    char text[48];
    std::snprintf(text, sizeof text, "%.3f", value);
    return text;
}

// The values of one line the reader does not read as written.
void LineFindings(std::string_view row, int lineNumber, std::vector<std::string>& findings)
{
    for (std::size_t c = 0; c < row.size(); ++c) {
        if (!IsAddress(row[c]) || (c > 0 && row[c - 1] != ' ')) continue;
        const std::string written(WrittenNumber(row, c));
        if (written.find_first_of("0123456789") == std::string::npos) continue;
        const double exact = std::strtod(written.c_str(), nullptr);
        const double read = ReadNumber(row, static_cast<int>(c));
        if (std::fabs(exact - read) > 1e-9 * std::max(1.0, std::fabs(exact)))
            findings.push_back("line " + std::to_string(lineNumber) + ": " + row[c] + written + " is read as " +
                               Thousandths(read == 0.0 ? 0.0 : read));
    }
}

}  // namespace

std::vector<std::string> ProgramFindings(std::string_view programText)
{
    std::vector<std::string> findings;
    const CheckReport report = CheckProgram(programText);
    if (!report.message.empty())
        findings.push_back("checker: " + Utf8FromGb2312(report.line) + report.message.substr(report.line.size()));
    std::size_t start = 0;
    for (int line = 1; line <= LineTable::kRows && start < programText.size(); ++line) {
        std::size_t end = programText.find('\n', start);
        if (end == std::string_view::npos) end = programText.size();
        std::string_view row = programText.substr(start, end - start);
        if (!row.empty() && row.back() == '\r') row.remove_suffix(1);
        LineFindings(row.substr(0, LineTable::kTextBytes), line, findings);
        start = end + 1;
    }
    return findings;
}

}  // namespace zan
