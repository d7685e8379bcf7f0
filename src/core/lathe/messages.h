#pragma once
// The machine's own message texts, exactly as the controller shows them.

#include <string_view>

namespace zan::msg {

// Moving and cutting
inline constexpr std::string_view kSevereError = "系统发生严重错误，将重新初始化...";
inline constexpr std::string_view kProgramAlarm = "程序报警!";
inline constexpr std::string_view kBeyondTravel = "超出行程范围";
inline constexpr std::string_view kCannotCut = "主轴没有启动或工件没有夹紧，刀具不能切削工件!";
inline constexpr std::string_view kMinusOneTranslate = "-1 translate";

// Machine actions
inline constexpr std::string_view kNotClamped = "工件没有夹紧，不能开动主轴!";
inline constexpr std::string_view kLatheRunning = "车床在运行之中，操作被终止!";
inline constexpr std::string_view kSpindleTurning = "主轴处于旋转状态，不能松开工件！";
inline constexpr std::string_view kProgramRunning = "程序在运行之中!";
inline constexpr std::string_view kInitialiseQuestion = "程序将被初始化，是否继续进行？";
inline constexpr std::string_view kReleaseFirst = "请松开工件，然后再改变参数!";
inline constexpr std::string_view kRunningCannotDo = "程序在运行中,操作不能执行!";
inline constexpr std::string_view kTraceOn = "轨迹显示开!";
inline constexpr std::string_view kTraceOff = "轨迹显示关!";
inline constexpr std::string_view kCentreAdded = "添加顶尖";
inline constexpr std::string_view kCentreRemoved = "删除顶尖";
inline constexpr std::string_view kBeingCut = "工件在被切削之中!";
inline constexpr std::string_view kStopAndRelease = "请先停止主轴并松开工件!";
inline constexpr std::string_view kExitQuestion = "您确定要退出程序吗?  ";

}  // namespace zan::msg
