#pragma once
// The simulated lathe: its state, the one operation that moves the tool, the
// panel event bridge and the machine actions behind the view's commands.

#include <string_view>

#include "core/lathe/lathe_state.h"
#include "core/lathe/ports.h"
#include "core/files/program_folder.h"
#include "core/lathe/turret.h"
#include "core/nc/interpreter.h"
#include "core/nc/motion.h"

namespace zan {

// Modes of MoveTool.
inline constexpr int kMoveCut = 1;     // move, check, cut and draw
inline constexpr int kMoveRedraw = 2;  // redraw the tool where it is drawn
inline constexpr int kMoveRetract = 8; // as kMoveCut without the cutting permission

// Sees every move the machine is asked to make (tracing, headless runs).
class MoveObserver {
public:
    virtual ~MoveObserver() = default;
    virtual void OnMoveTool(float col, float row, int mode) = 0;
};

struct LatheOptions {
    bool smallLayout = false;  // displays narrower than 1024 pixels
    ProgramFolder folder = ProgramFolder(".");
};

class Lathe {
public:
    Lathe(Ports ports, LatheOptions options);
    Lathe(const Lathe&) = delete;
    Lathe& operator=(const Lathe&) = delete;

    LatheState state;
    Ports ports;
    Motion motion{*this};
    Turret turret{*this};
    const ProgramFolder folder;
    Interpreter interpreter{*this};
    MoveObserver* moveObserver = nullptr;  // not owned; may be null

    // Moving and cutting.
    bool MoveTool(float col, float row, int mode);
    void RefreshArea(int region);
    void RepaintUnderTool();

    // The two bridges with the operator panel.
    void PanelEvent(int code);
    int MachineCommand(char letter);

    // Machine actions.
    void Clamp();
    void Release();
    void Initialise();
    bool MayEditBlank();       // the blank dialog may open
    bool MaySetSpeed();        // the speed dialog may open
    void ToggleTrace();
    void ToggleTailstock();
    void TurnEndForEnd();
    void RetractTool();
    bool ConfirmExit();        // true: end the program now

    // Tools.
    void SelectTool(int station);  // menu command for stations 1..4
    void SelectCustomTool();
    void NextTool();               // the panel's "d"

private:
    void ApplyOffset(int pair);
    void UpdateJogRates();
    void ManualMoveTo(float z, float x);
    bool StopMove(std::string_view message);
    void CutProfile(int x, int y, float row);
};

}  // namespace zan
