#pragma once
// What the three executables say about themselves on the command line, in
// the form GNU programs use: "--version" names the program, the package and
// its version; a usage error is one line and a pointer to "--help".

#include <string>
#include <string_view>

namespace zan {

inline constexpr std::string_view kPackageTitle = "ZAN 400LT";

// The package's version, "0.1".
std::string_view VersionNumber();

// "zan400lt-run (ZAN 400LT) 0.1" and the line after it.
std::string VersionText(std::string_view program);

// "zan400lt-run: REASON" and "Try 'zan400lt-run --help' for more information."
std::string UsageErrorText(std::string_view program, std::string_view reason);

}  // namespace zan
