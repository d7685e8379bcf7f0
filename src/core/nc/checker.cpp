#include "core/nc/checker.h"

#include <algorithm>
#include <array>
#include <optional>

#include "core/nc/nc_codes.h"
#include "core/text/read_number.h"

namespace zan {

namespace {

constexpr std::string_view kIllegalCode = "(非法代码!)";
constexpr std::string_view kBadParameter = "(参数错误!)";
constexpr std::string_view kUndefinedG = "(未定义的'G'代码!)";
constexpr std::string_view kUndefinedM = "(未定义的'M'代码!)";

constexpr int kMaxLines = 1000;
constexpr int kLineBytes = 100;
// Words near the end of a line read a few columns past it; the zeroed rest
// of the buffer makes them read as the end of the text.
constexpr int kBufferBytes = 200;
constexpr int kNone = -1;

using LineBuffer = std::array<char, kBufferBytes>;

bool IsValueLetter(char c) { return std::string_view("XZUWIKRPEFDL").find(c) != std::string_view::npos; }

bool IsPassedOver(char c)
{
    return c == 'N' || c == ' ' || (c >= '0' && c <= '9') || c == '-' || c == '.' || c == '\0' || c == '\n' ||
           c == '\r';
}

// Splits the editor text into lines the way the editor numbers them.
class Lines {
public:
    explicit Lines(std::string_view text) : text_(text) {}
    // The next line without its line end; empty once the text is used up.
    std::string_view Next()
    {
        if (pos_ > text_.size()) return {};
        std::size_t end = text_.find('\n', pos_);
        if (end == std::string_view::npos) end = text_.size();
        std::string_view line = text_.substr(pos_, end - pos_);
        if (end < text_.size() && !line.empty() && line.back() == '\r') line.remove_suffix(1);
        pos_ = end + 1;
        return line;
    }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

LineBuffer Fetch(std::string_view line)
{
    LineBuffer buffer{};
    const std::size_t n = std::min<std::size_t>(line.size(), kLineBytes);
    std::copy_n(line.begin(), n, buffer.begin());
    // Backspaces typed into the editor count as spaces.
    std::replace(buffer.begin(), buffer.begin() + kLineBytes, '\b', ' ');
    return buffer;
}

struct LineScan {
    int gCode = kNone;
    int mCode = kNone;
};

enum class Verdict { NextLine, EndCheck, Illegal, BadParameter, UndefinedG, UndefinedM };

class Checker {
public:
    // What the line says; the last L value carries over from line to line.
    Verdict Examine(const LineBuffer& buffer)
    {
        const std::string_view row(buffer.data(), buffer.size());
        LineScan scan;
        for (int column = 0; column < kLineBytes; ++column) {
            const char c = buffer[column];
            if (c == '/') return Verdict::NextLine;  // block skip: the rest is not examined
            if (c == 'G') {
                if (const auto code = ReadCode(row, column)) scan.gCode = *code;
            } else if (c == 'M') {
                scan.gCode = kNone;
                if (const auto code = ReadCode(row, column)) scan.mCode = *code;
            } else if (c == 'S' || c == 'T') {
                scan.gCode = kNone;
            } else if (IsValueLetter(c)) {
                if (c == 'L') lastL_ = SaturatedInt(ReadNumber(row, column));
            } else if (!IsPassedOver(c) && scan.mCode == kNone) {
                return Verdict::Illegal;
            }
        }
        return scan.mCode == kNone ? JudgeG(scan.gCode) : JudgeM(scan.mCode);
    }

private:
    // The codes the interpreter knows are those of its tables (nc_codes.h).
    Verdict JudgeG(int code) const
    {
        if (code == kNone) return Verdict::NextLine;
        const std::optional<GAction> action = GActionOf(code);
        if (!action) return Verdict::UndefinedG;
        if (action == GAction::LoopStart && lastL_ == -1) return Verdict::BadParameter;
        return Verdict::NextLine;
    }

    static Verdict JudgeM(int code)
    {
        const std::optional<MAction> action = MActionOf(code);
        if (!action) return Verdict::UndefinedM;
        // Program end: later lines are not run.
        return action == MAction::End ? Verdict::EndCheck : Verdict::NextLine;
    }

    int lastL_ = 0;
};

CheckReport Report(const LineBuffer& buffer, Verdict verdict)
{
    CheckReport report;
    report.line = std::string(buffer.data());  // the line as fetched, up to its end
    report.message = report.line;
    switch (verdict) {
    case Verdict::Illegal: report.message += kIllegalCode; break;
    case Verdict::BadParameter: report.message += kBadParameter; break;
    case Verdict::UndefinedG: report.message += kUndefinedG; break;
    default: report.message += kUndefinedM; break;
    }
    // An undefined code is followed by a step key press that must not act.
    report.skipNextStepKey = verdict == Verdict::UndefinedG || verdict == Verdict::UndefinedM;
    return report;
}

}  // namespace

CheckReport CheckProgram(std::string_view programText)
{
    Lines lines(programText);
    Checker checker;
    for (int n = 0; n < kMaxLines; ++n) {
        const LineBuffer buffer = Fetch(lines.Next());
        if (buffer[1] == '\0') break;  // an empty or one-character line ends the program
        const Verdict verdict = checker.Examine(buffer);
        if (verdict == Verdict::EndCheck) break;
        if (verdict != Verdict::NextLine) return Report(buffer, verdict);
    }
    return {};
}

}  // namespace zan
