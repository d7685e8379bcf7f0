// The block's T and M functions, applied before its motion.

#include "core/lathe/lathe.h"
#include "core/nc/interpreter.h"
#include "core/nc/nc_codes.h"
#include "core/text/read_number.h"

namespace zan {

// T: the tens digit is the station, the units digit the offset pair.
// T11 mounts station 1 with offset 1; T05 only applies offset 5.
void Interpreter::MountTool(int t)
{
    LatheState& s = lathe_.state;
    const int station = t / 10;
    if (station >= 1 && station <= 4 && !Locked()) {
        s.runFlag = false;  // the tool change is refused while a program runs
        lathe_.SelectTool(station);
        s.runFlag = true;
    }
}

void Interpreter::ApplyToolOffset(int t)
{
    if (t >= 0 && t < 50) {
        lathe_.state.offsetNumber = t % 10;
        lathe_.PanelEvent(OffsetEvent(t % 10));
    }
}

// By the action the M code table gives; an unknown code does nothing.
bool Interpreter::ApplyM(int m)
{
    const std::optional<MAction> action = MActionOf(m);
    if (!action) return false;
    switch (*action) {
    case MAction::Stop:  // the block's motion is still recorded
        lathe_.state.runFlag = false;
        RecordNullPoint();
        return false;
    case MAction::End: return EndProgram(m);
    case MAction::Spindle: return SwitchSpindle(m);
    case MAction::Coolant: return SwitchCoolant(m == 8);
    case MAction::Chuck: return SwitchChuck(m == 10);
    case MAction::Jump: return JumpOrRepeat(m);
    case MAction::Accepted: return false;
    }
    return false;
}

// M02 keeps spindle and coolant as they are; M30 stops both.
bool Interpreter::EndProgram(int m)
{
    LatheState& s = lathe_.state;
    s.lockSwitch = false;
    if (m == 2) {
        s.runFlag = false;
        lathe_.RefreshArea(Region::WholeView);
        lathe_.MoveTool(s.posZ, s.posX, MoveMode::Cut);
    } else {
        s.spindleState = 0;
        s.coolantOn = false;
        s.runFlag = false;
        lathe_.PanelEvent(PanelEventCode::SpindleLampsOff);
        lathe_.PanelEvent(PanelEventCode::CoolantLampOff);
        lathe_.RefreshArea(Region::ProgramEnd);
        lathe_.PanelEvent(PanelEventCode::SpindleLampsOff);
    }
    Reset();
    return true;
}

// M03, M04, M05: the spindle and the panel's spindle lamps.
bool Interpreter::SwitchSpindle(int m)
{
    if (Locked()) return false;
    LatheState& s = lathe_.state;
    s.spindleState = m == 5 ? 0 : m - 2;
    lathe_.PanelEvent(m == 3   ? PanelEventCode::SpindleLampL
                      : m == 4 ? PanelEventCode::SpindleLampR
                               : PanelEventCode::SpindleLampsOff);
    lathe_.RefreshArea(Region::ChuckBody);
    if (m == 3) s.directMove = false;  // a new start plays through the buffer again
    return false;
}

bool Interpreter::SwitchCoolant(bool on)
{
    LatheState& s = lathe_.state;
    s.coolantOn = on;
    lathe_.RefreshArea(Region::Nozzle);
    lathe_.PanelEvent(on ? PanelEventCode::CoolantLampOn : PanelEventCode::CoolantLampOff);
    lathe_.MoveTool(s.posZ, s.posX, MoveMode::Cut);
    return false;
}

// M10 clamps, M11 releases; the chuck refuses to move while a program runs,
// so the run flag is lowered around the action.
bool Interpreter::SwitchChuck(bool clamp)
{
    if (Locked()) return false;
    LatheState& s = lathe_.state;
    s.runFlag = false;
    if (clamp)
        lathe_.Clamp();
    else
        lathe_.Release();
    s.runFlag = true;
    return false;
}

// M97 jumps: read again from the top, skipping blocks numbered below P.
// M98 runs the section from block P to the next M99, L times in all.
bool Interpreter::JumpOrRepeat(int m)
{
    LatheState& s = lathe_.state;
    if (m == 99 && nc.repeatCount <= 1) {
        nc.seekBlock = nc.repeatCount = -1;
        return false;
    }
    if (m == 97 || m == 98) nc.seekBlock = SaturatedInt(nc.wordP);
    if (m == 97) nc.wordP = -1.0f;
    if (m == 98) nc.repeatCount = nc.wordL;
    if (m == 99) --nc.repeatCount;
    RecordNullPoint();
    s.lineIndex = 0;
    return true;
}

}  // namespace zan
