// MachineCommand: the letters by which panel keys act on the machine.

#include "core/lathe/lathe.h"
#include "core/lathe/messages.h"

namespace zan {

namespace {

constexpr Rect kChuckArea{0, 98, 154, 378};
constexpr Rect kWholeView{0, 0, 1600, 1200};
constexpr int kReturnFeed = 1000;  // reference returns move at once, unpaced
constexpr int kStepFeed = 100;
constexpr float kStepAxisThreshold = 50.0f;  // encoded steps above this are Z steps

}  // namespace

// Moves the tool at once, without the path buffer, unless a program runs.
void Lathe::ManualMoveTo(float z, float x)
{
    state.directMove = true;
    motion.LinearMove(z, x, kReturnFeed);
    state.directMove = false;
}

int Lathe::MachineCommand(char letter)
{
    LatheState& s = state;
    switch (letter) {
    case 'C':
        s.coolantOn = !s.coolantOn;
        MoveTool(s.posZ, s.posX, kMoveCut);
        RefreshArea(2);
        return 1;
    case 'L':
    case 'R':
        if (s.chuckOpen) {
            ports.alerts.Message(msg::kNotClamped);
            return 0;
        }
        s.spindleState = letter == 'L' ? 1 : 2;
        ports.display.Refresh(kChuckArea);
        return 1;
    case 'S':
        s.spindleState = 0;
        ports.display.Refresh(kChuckArea);
        return 1;
    case 'P': PanelEvent(30); return 1;
    case 'T': Initialise(); return 1;
    case 'X':
        if (s.runFlag) return 1;
        ManualMoveTo(static_cast<float>(s.drawnZ), s.refX);
        s.posX = s.refX;
        return 1;
    case 'Z':
        if (s.runFlag) return 1;
        ManualMoveTo(s.refZ, static_cast<float>(s.drawnX));
        s.posZ = s.refZ;
        return 1;
    case 'x':
        if (!s.runFlag) ManualMoveTo(static_cast<float>(s.drawnZ), 500.0f);
        return 1;
    case 'z':
        if (!s.runFlag) ManualMoveTo(800.0f, static_cast<float>(s.drawnX));
        return 1;
    case 'd': NextTool(); return 1;
    case 'f': ports.display.Refresh(kWholeView); return 1;
    case 'l': s.jogActive = true; return motion.JogStep(1) ? 1 : 0;
    case 'm': s.jogActive = true; return motion.JogStep(2) ? 1 : 0;
    case 'k': s.jogActive = true; return motion.JogStep(3) ? 1 : 0;
    case 'y': s.jogActive = true; return motion.JogStep(4) ? 1 : 0;
    case 's': s.jogActive = false; return 1;
    case 'r':
        // stepValue encodes axis and size: 110 +/- step for Z, +/- step / 2 for X.
        s.directMove = true;
        if (s.stepValue > kStepAxisThreshold)
            motion.LinearMove(s.posZ + s.stepValue - 110.0f, s.posX, kStepFeed);
        else
            motion.LinearMove(s.posZ, s.posX + s.stepValue, kStepFeed);
        s.directMove = false;
        return 1;
    default: return 1;
    }
}

}  // namespace zan
