#pragma once
// What an instructor should know of a student's program before its shape:
// the checker's finding (an undefined G or M code, an illegal character) and
// every value the controller's number reader cannot hold as written (nine or
// more integer digits read as 0, decimals past the third dropped). Such a
// program may still run to its end, to a part that is wrong for no reason
// the shape alone shows.

#include <string>
#include <string_view>
#include <vector>

namespace zan {

// "checker: N0030 G99 X10(未定义的'G'代码!)", then one finding per value
// ("line 4: Z123456789012 is read as 0.000"); empty when there is nothing.
// The program's own bytes (GB2312) are given as UTF-8.
std::vector<std::string> ProgramFindings(std::string_view programText);

}  // namespace zan
