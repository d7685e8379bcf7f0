#pragma once
// The operator panel's message box texts (UTF-8), exactly as the controller shows them.

#include <string_view>

namespace zan::msg {

inline constexpr std::string_view kNotInstalled = "未安装功能!";  // the handwheel keys

}  // namespace zan::msg
