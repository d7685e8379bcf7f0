#pragma once
// Command identifiers of the menu, the toolbar and the accelerators. The
// numbers are the controller software's own, so a command is named the same
// way wherever it is issued from.

namespace zan::gui::cmd {

// The frame's own commands.
inline constexpr int kViewToolBar = 59392;
inline constexpr int kViewStatusBar = 59393;
inline constexpr int kAbout = 57664;

// Commands of the lathe view.
inline constexpr int kSecondPanel = 32805;
inline constexpr int kInitialise = 32774;
inline constexpr int kInitialiseBlank = 57637;  // toolbar and Ctrl+V
inline constexpr int kBlankParameters = 32776;
inline constexpr int kTool1 = 32778;
inline constexpr int kTool2 = 32797;
inline constexpr int kTool3 = 32790;
inline constexpr int kTool4 = 32779;
inline constexpr int kCustomTool = 32807;
inline constexpr int kExit = 32781;
inline constexpr int kClamp = 32783;
inline constexpr int kClampWorkpiece = 57634;   // toolbar and Ctrl+C
inline constexpr int kRelease = 32784;
inline constexpr int kReleaseWorkpiece = 57635; // toolbar and Ctrl+X
inline constexpr int kMeasureDiameter = 32792;
inline constexpr int kMeasureLengthManual = 32793;
inline constexpr int kMeasureLengthAuto = 32794;
inline constexpr int kSpeed = 32795;
inline constexpr int kHelpText = 32796;
inline constexpr int kTrace = 32798;
inline constexpr int kTraceButton = 32802;
inline constexpr int kTailstock = 32799;
inline constexpr int kSpindle = 32800;
inline constexpr int kRapidFeed = 32801;
inline constexpr int kTurnEndForEnd = 32804;
inline constexpr int kCycleStart = 57600;
inline constexpr int kFeedHold = 57607;
inline constexpr int kOpenImage = 57601;
inline constexpr int kSaveImage = 57603;

// Menu items without a handler: shown, but disabled.
inline constexpr int kInitialSettings = 32785;
inline constexpr int kRefreshWorkpiece = 32806;

}  // namespace zan::gui::cmd
