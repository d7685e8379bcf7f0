#pragma once
// The interpreter's own message texts.

#include <string_view>

namespace zan::msg {

inline constexpr std::string_view kGSyntax = "语法错误";
inline constexpr std::string_view kMSyntax = "M语法错误";
inline constexpr std::string_view kContourParameters = "G71或G72参数错误!";

}  // namespace zan::msg
