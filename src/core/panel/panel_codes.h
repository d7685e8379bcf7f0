#pragma once
// The operator panel's numbered codes: its modes, its keys (control ids of
// the panel window), the screen codes of RefreshLcd and the overlaid fields.

namespace zan {

enum class PanelMode : int {
    None = 0,  // before the first mode key
    Edit = 1,
    Manual = 2,
    Auto = 3,
    Parameter = 4,
    Offset = 5,
    Diagnosis = 6,
};

// The keys of the operator panel, by control id.
enum class KeyId : int {
    Reset = 1000,
    G = 1002,
    M = 1003,
    X = 1004,
    Z = 1005,
    Digit7 = 1006,
    Digit8 = 1007,
    Coolant = 1008,
    Lubrication = 1009,
    ToolChange = 1010,
    ZReference = 1011,
    ZZero = 1012,
    RapidDown = 1013,
    FeedDown = 1014,
    SpindleForward = 1015,
    SpindleStop = 1016,
    SpindleReverse = 1017,
    XReference = 1018,
    XZero = 1019,
    RapidUp = 1020,
    FeedUp = 1021,
    PageUp = 1022,
    S = 1023,
    T = 1024,
    U = 1025,          // second legend " /"
    W = 1026,          // second legend " E"
    Digit4 = 1027,
    Digit5 = 1028,
    PageDown = 1029,
    CursorUp = 1030,
    F = 1031,
    I = 1032,          // second legend " P"
    K = 1033,          // second legend "N"
    Digit1 = 1034,
    Digit2 = 1035,
    CursorLeft = 1036,
    CursorDown = 1037,
    CursorRight = 1038,
    D = 1039,          // second legend " L"
    R = 1040,          // second legend " " (space)
    Point = 1041,
    Digit0 = 1042,
    Dry = 1043,        // 空运行: the lock switch
    Single = 1044,     // 单段: single block
    StepKey = 1045,    // 单步: jog or step
    Rewrite = 1046,    // 改写 REW
    Delete = 1047,     // 删除 DLE
    Input = 1048,      // 输入 INPUT
    Enter = 1049,      // 回车 ENTER
    Digit9 = 1051,
    Digit6 = 1052,
    Digit3 = 1053,
    Minus = 1054,
    Esc = 1055,        // 退出 ESC
    EditMode = 1062,
    ManualMode = 1063,
    AutoMode = 1064,
    ParameterMode = 1065,
    OffsetMode = 1066,
    DiagnosisMode = 1067,
    JogXMinus = 1069,
    JogZMinus = 1070,
    JogZPlus = 1071,
    JogXPlus = 1072,
    Rapid = 1073,
    HandwheelX = 1074,
    StepSize = 1075,
    HandwheelZ = 1076,
    FeedHold = 1077,
    CycleStart = 1079,
};

inline constexpr int kFirstKeyId = 1000;
inline constexpr int kLastKeyId = 1079;
// The keys KeyId names: the key table has one row for each (key_table.cpp
// checks it).
inline constexpr int kKeyCount = 70;

// How a key reaches its handler: the mouse button went down on it (jog
// keys only), came up over it, or the second key pad sent its code.
enum class KeyPress { Down, Up, PadCode };

// The mode key of a mode, and the mode of a mode key.
constexpr KeyId ModeKey(PanelMode mode) { return static_cast<KeyId>(static_cast<int>(KeyId::EditMode) - 1 + static_cast<int>(mode)); }
constexpr PanelMode ModeOfKey(KeyId key) { return static_cast<PanelMode>(static_cast<int>(key) - static_cast<int>(KeyId::EditMode) + 1); }

// What SetModeLamp is asked to show: a mode's lamp (1..6, the mode's own
// number) or one of the lamp changes of the manual keys.
enum class ModeLampType : int {
    CoolantOff = -1,      // the coolant lamp goes out
    RapidOff = 0,         // the rapid lamp goes out
    Edit = 1,             // 1..6: this mode's lamp alone is lit
    Manual = 2,
    Auto = 3,
    Parameter = 4,
    Offset = 5,
    Diagnosis = 6,
    ManualRapid = 7,      // the JOG and rapid lamps are lit
    CurrentModeOnly = 10, // only the current mode's lamp is brought in line
};

constexpr ModeLampType ModeLampOf(PanelMode mode) { return static_cast<ModeLampType>(static_cast<int>(mode)); }

// The spindle as the panel and the machine record it (spindleState).
enum class SpindleState : int {
    Stopped = 0,
    Forward = 1,  // started with L: forward lamp
    Reverse = 2,  // started with R: reverse lamp
};

// Panel key codes of the second key pad beyond the keys' own (key_table.h),
// and what the panel answers to a code.
inline constexpr char kJogReleaseCode = 'l';  // a held jog key was released
inline constexpr int kCodeRefused = 0;
inline constexpr int kCodeDone = 1;
inline constexpr int kCodeUnknown = 100;      // no key has this code

// The manual command being entered (1..12, typed with INPUT and ENTER); in
// Auto, block selection.
enum class EntryState : int {
    None = 0,
    // Auto: the cursor keys choose the block to start from. The controller
    // gave it the reference point's number; it has its own here, so that
    // a state of one mode is never taken for the other's.
    BlockSelection = 13,
    // Manual: the command being entered, and what its ENTER does next.
    Coordinate = 1,       // INPUT: "X" or "Z" and the value the read-out is to show
    MeasureX = 2,         // I: the measured diameter
    MeasureXTool = 3,     // then the tool whose X offset it sets
    MeasureZ = 4,         // K: the measured length
    MeasureZTool = 5,     // then the tool whose Z offset it sets
    MoveZ = 6,            // 6..9: a move that cycle start carries out
    MoveX = 7,
    MoveU = 8,
    MoveW = 9,
    Tool = 10,            // T: station and offset number
    ReferencePoint = 11,  // "0" on an empty coordinate box: ENTER sets the reference point
    MFunction = 12,       // M: spindle, coolant, chuck
};

// Codes of RefreshLcd. The screen drawn is always the current mode's; the
// code only selects the side actions.
enum class ScreenCode : int {
    None = 0,
    Edit = 1,          // 1..6: after a mode key, the mode just entered
    Manual = 2,        // also after the tool-change key
    Auto = 3,          // also from the lathe view and the spindle lamps
    Parameter = 4,     // also after a bit cursor moved
    Offset = 5,
    Diagnosis = 6,
    ValueStored = 33,
    JogStepSwitched = 71,
    NextPage = 77,
    PreviousPage = 78,
    CursorDown = 82,
    CursorUp = 83,
    CoolantOrRapid = 85,
    SpindleOrFeed = 86,
    Jogged = 87,
    HighlightOverrides = 88,
    StepSizeOrRapid = 89,
    RepaintArea = 101,  // repaint the screen area before the redraw
};

constexpr ScreenCode ScreenOf(PanelMode mode) { return static_cast<ScreenCode>(static_cast<int>(mode)); }

// The edit fields laid over the LCD.
enum class FieldId : int {
    Editor = 1001,      // program editor; also the number box and the manual entry box
    Entry = 1059,       // single-line entry of manual commands and parameters
    Prompt = 1080,      // prompt label
    BlockLine1 = 1081,  // current and next block in Auto
    BlockLine2 = 1082,
};

inline constexpr FieldId kAllFields[] = {FieldId::Editor, FieldId::Entry, FieldId::Prompt, FieldId::BlockLine1,
                                         FieldId::BlockLine2};

}  // namespace zan
