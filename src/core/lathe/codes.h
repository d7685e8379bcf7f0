#pragma once
// The numbered codes by which the parts of the controller address each other:
// the modes of MoveTool, the repaint regions of the lathe view, the panel
// events and the letters of the machine commands. The numbers are the
// controller's own and are kept as they are.

#include <string_view>

namespace zan {

// The alarms that stop a move, and with it a run: below the travel window
// (or the origin), beyond it, and a cut refused (spindle stopped or chuck
// released). Each shows its own message; runs without a window tell them by
// these codes, not by their texts.
enum class MachineAlarm { BelowTravel, BeyondTravel, CannotCut };

// How MoveTool treats a move.
enum class MoveMode : int {
    Cut = 1,      // move, check, cut and draw
    Redraw = 2,   // redraw the tool where it is drawn; nothing is checked or cut
    Retract = 8,  // as Cut, without the cutting permission (drawing the tool clear)
};

// Regions of the lathe view that RefreshArea repaints.
enum class Region : int {
    Default = 1,         // most of the view: after the next tool, at program end (M30)
    Nozzle = 2,          // coolant nozzle above the tool
    WholeView = 3,       // program end (M02)
    ChuckBody = 4,       // spindle started or stopped
    Jaws = 5,            // clamp and release
    ProgramEnd = 7,      // M30; repaints as Default
    Tailstock = 8,       // tailstock centre at the blank's end
    Workpiece = 9,       // the part was turned end for end
    MoveStopped = 10,    // a move was refused (whole view)
    Initialised = 11,    // whole view after Initialise
    ToolTwo = 12,        // tool 2 selected; repaints as Default
    LoadedWorkpiece = 13,  // a workpiece image was opened; as Workpiece
    ToolArea = 14,       // tool and turret; the only region repainted in trace mode
};

// Codes of the panel event bridge, 0..87. Codes without a name do nothing.
enum class PanelEventCode : int {
    ShowPanel = 0,
    SpindleLampL = 3,   // M03
    SpindleLampR = 4,   // M04
    SpindleLampsOff = 5,
    ShowRunLines = 6,   // executed and next block
    RunComplete = 7,    // "运行完毕"
    Reset = 11,
    ClearOffset = 20,
    Offset1 = 21,       // 21..29: tool offset pair 1..9 becomes active
    Offset9 = 29,
    Overrides = 30,     // the panel's override percentages become the machine's factors
    CycleStartLampOff = 31,
    PressEnter = 32,
    PressCycleStart = 33,
    PressFeedHold = 34,
    PressSpindleToggle = 35,
    PressRapidFeed = 36,
    CoolantLampOn = 40,
    CoolantLampOff = 41,
    SecondKeyPad = 48,
    JogRatesAndPosition = 87,
    Last = 87,
};

// The event that makes offset pair 1..9 active.
constexpr PanelEventCode OffsetEvent(int pair)
{
    return static_cast<PanelEventCode>(static_cast<int>(PanelEventCode::ClearOffset) + pair);
}

// Letters of the machine commands the panel's keys send.
enum class MachineLetter : char {
    Coolant = 'C',
    SpindleL = 'L',
    SpindleR = 'R',
    SpindleStop = 'S',
    Overrides = 'P',
    Initialise = 'T',
    ReturnX = 'X',       // to the reference row
    ReturnZ = 'Z',       // to the reference column
    ClearX = 'x',        // down to row 500
    ClearZ = 'z',        // right to column 800
    NextTool = 'd',
    RepaintAll = 'f',
    JogXMinus = 'l',
    JogXPlus = 'm',
    JogZPlus = 'k',
    JogZMinus = 'y',
    StopJog = 's',
    Step = 'r',          // one manual step of stepValue
    // The run's own keys in Auto. The start line answers 0 when it is at
    // the first line already, or the last that holds text.
    CycleStart = 'g',    // the run starts, or goes on where it stopped
    FeedHold = 'h',      // the run stops where it is
    SingleBlock = 'b',   // single block on, or off again
    LockSwitch = 'D',    // DRY: the run neither draws nor cuts; on, or off again
    LockOff = 'U',       // DRY off
    NextStartLine = 'n',      // the run is to start one line further down
    PreviousStartLine = 'p',  // one line further up
};

// The whole controller's side of the panel event bridge: the machine raises
// events here, and the owner of the controller hands each to its handler.
class EventSink {
public:
    virtual ~EventSink() = default;
    virtual void PanelEvent(PanelEventCode code) = 0;
};

// Both bridges, as the operator panel sees them: it sends machine commands
// and raises panel events (a reset, for instance).
class MachineBridge : public EventSink {
public:
    // The machine's answer: 1 done, 0 refused.
    virtual int MachineCommand(MachineLetter letter) = 0;
    // Positions the tool at once on the rapid path (diagonal, then straight),
    // without the path buffer: the moves typed in Manual. View units. False
    // when a step of it was refused.
    virtual bool RapidMoveDirect(float z, float x) = 0;
    // A program's text (CR LF or LF lines) becomes the one a run executes,
    // an empty text none. Lines past the last row the machine keeps are left
    // out (the program loader tells when).
    virtual void LoadProgram(std::string_view text) = 0;
};

}  // namespace zan
