#pragma once
// The operator panel's message box texts (UTF-8), exactly as the controller shows them.

#include <string_view>

namespace zan::msg {

inline constexpr std::string_view kNotInstalled = "未安装功能!";  // the handwheel keys
inline constexpr std::string_view kFeedOverrideZero = "进给倍率零!";  // a jog at feed with 0 % override
inline constexpr std::string_view kCannotOpenProgram = "不能打开代码文件";  // AUTO: no file for the current program
inline constexpr std::string_view kFieldFull = "已达到输入字符的极限!";  // the editor field is full
inline constexpr std::string_view kCannotOpenOrCreate = "不能打开或建立文件";  // ENTER: the program file
inline constexpr std::string_view kSaveError = "存储错误";                      // the open program was not saved
inline constexpr std::string_view kCannotSaveParameters = "不能保存参数设置文件!";  // Pset.dat or Dset.dat
inline constexpr std::string_view kNumberInUse = " 程序号重复!";                // copy or rename onto an existing program
inline constexpr std::string_view kDeleteAll = "本程序不执行此项操作，请自行删除所有ZAN文件!";  // delete "-0"
inline constexpr std::string_view kNumberPrompt = "请输入程序号:%";
inline constexpr std::string_view kCopying = "正在复制...";

// Prompts of the Manual commands, shown in the prompt label.
inline constexpr std::string_view kSetPrompt = "设置";                  // INPUT: work coordinates
inline constexpr std::string_view kReferencePrompt = "设置程序参考点?";  // "0" on an empty coordinate box
inline constexpr std::string_view kRunPrompt = "运行?";                  // a move waits for cycle start
// Drawn on the Auto title row: the cursor keys choose the block to start from.
inline constexpr std::string_view kStartBlockPrompt = "程序段号?";

// The trainer's own messages, where the controller had none.
// The program folder is read-only (an installation shared by a class): the
// student learns it once, at the first save, not on every key.
inline constexpr std::string_view kFolderReadOnly = "程序目录不能写入，程序和参数都不能保存: ";  // then the folder
// A character typed from the keyboard that a program file cannot hold.
inline constexpr std::string_view kUnencodable = "程序中有不能存储的字符(不是GB2312字符)，本次修改未保存!";
// A program could not take its new number (the file is missing or the
// folder cannot be written).
inline constexpr std::string_view kCannotRename = "程序改名失败!";
// A deleted program could not be moved to the trash: it stays where it is.
inline constexpr std::string_view kTrashFailed = "不能删除程序文件: ";  // then the file

}  // namespace zan::msg
