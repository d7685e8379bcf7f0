#pragma once
// The program checker run before the operator leaves edit mode: it reports
// the first line holding an illegal character or a G or M code the
// interpreter does not know. Its report is advice only; the caller goes on.

#include <string>
#include <string_view>

namespace zan {

struct CheckReport {
    std::string message;           // empty: nothing to report
    std::string line;              // the offending line in the program's own bytes
    bool skipNextStepKey = false;  // set after an undefined G or M code
};

// Checks the editor's text (lines end with LF or CR LF) line by line up to
// the first empty line, M02 or M30, at most 1000 lines of at most 100 bytes.
// The message is the offending line followed by the reason, e.g.
// "N0030 G45 X10(未定义的'G'代码!)". The reason is UTF-8 while the line keeps
// the program's bytes, so a display holding GB2312 text converts `line` first.
CheckReport CheckProgram(std::string_view programText);

}  // namespace zan
