#include "core/text/program_info.h"

namespace zan {

std::string_view VersionNumber() { return ZAN_VERSION; }

std::string VersionText(std::string_view program)
{
    std::string text(program);
    text += " (";
    text += kPackageTitle;
    text += ") " ZAN_VERSION "\n";
    text += "A trainer for the ZAN 400LT lathe controller and its two-axis CNC lathe.\n";
    return text;
}

std::string UsageErrorText(std::string_view program, std::string_view reason)
{
    std::string text(program);
    text += ": ";
    text += reason;
    text += "\nTry '";
    text += program;
    text += " --help' for more information.\n";
    return text;
}

}  // namespace zan
