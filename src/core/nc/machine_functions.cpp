// The block's T and M functions, applied before its motion.

#include "core/lathe/lathe.h"
#include "core/nc/interpreter.h"
#include "core/text/read_number.h"

namespace zan {

// T: the tens digit is the station, the units digit the offset pair.
// T11 mounts station 1 with offset 1; T05 only applies offset 5.
void Interpreter::ApplyTool(int t)
{
    LatheState& s = lathe_.state;
    const int station = t / 10;
    if (station >= 1 && station <= 4 && !Locked()) {
        s.runFlag = false;  // the tool change is refused while a program runs
        lathe_.SelectTool(station);
        s.runFlag = true;
    }
    if (t >= 0 && t < 50) {
        s.offsetNumber = t % 10;
        lathe_.PanelEvent(20 + t % 10);
    }
}

bool Interpreter::ApplyM(int m)
{
    LatheState& s = lathe_.state;
    switch (m) {
    case 0:  // program stop; the block's motion is still recorded
        s.runFlag = false;
        RecordNullPoint();
        return false;
    case 2:  // end of program; spindle and coolant keep their state
        s.lockSwitch = false;
        s.runFlag = false;
        lathe_.RefreshArea(3);
        lathe_.MoveTool(s.posZ, s.posX, kMoveCut);
        Reset();
        return true;
    case 3:
    case 4:
    case 5:
        if (Locked()) return false;
        s.spindleState = m == 5 ? 0 : m - 2;
        lathe_.PanelEvent(m);  // 3, 4, 5: the panel's spindle lamps
        lathe_.RefreshArea(4);
        if (m == 3) s.directMove = false;  // a new start plays through the buffer again
        return false;
    case 8:
    case 9:
        s.coolantOn = m == 8;
        lathe_.RefreshArea(2);
        lathe_.PanelEvent(m == 8 ? 40 : 41);
        lathe_.MoveTool(s.posZ, s.posX, kMoveCut);
        return false;
    case 10:
    case 11:
        if (Locked()) return false;
        s.runFlag = false;  // the chuck refuses to move while a program runs
        if (m == 10)
            lathe_.Clamp();
        else
            lathe_.Release();
        s.runFlag = true;
        return false;
    case 30:  // end of program with spindle and coolant off
        s.lockSwitch = false;
        s.spindleState = 0;
        s.coolantOn = false;
        s.runFlag = false;
        lathe_.PanelEvent(5);
        lathe_.PanelEvent(41);
        lathe_.RefreshArea(7);
        lathe_.PanelEvent(5);
        Reset();
        return true;
    case 97:  // jump: read again from the top, skipping blocks numbered below P
        nc.seekBlock = SaturatedInt(nc.wordP);
        nc.wordP = -1.0f;
        RecordNullPoint();
        s.lineIndex = 0;
        return true;
    case 98:  // section from block P to the next M99, L times in all
        nc.seekBlock = SaturatedInt(nc.wordP);
        nc.repeatCount = nc.wordL;
        RecordNullPoint();
        s.lineIndex = 0;
        return true;
    case 99:
        if (nc.repeatCount > 1) {
            RecordNullPoint();
            --nc.repeatCount;
            s.lineIndex = 0;
            return true;
        }
        nc.seekBlock = nc.repeatCount = -1;
        return false;
    default: return false;
    }
}

}  // namespace zan
