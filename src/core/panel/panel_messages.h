#pragma once
// The operator panel's message box texts (UTF-8), exactly as the controller shows them.

#include <string_view>

namespace zan::msg {

inline constexpr std::string_view kNotInstalled = "未安装功能!";  // the handwheel keys
inline constexpr std::string_view kCannotOpenProgram = "不能打开代码文件";  // AUTO: no file for the current program
inline constexpr std::string_view kFieldFull = "已达到输入字符的极限!";  // the editor field is full

}  // namespace zan::msg
