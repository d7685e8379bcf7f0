// The block's motion by its G code, contour collection for G71/G72, and the
// step to the next line.

#include <limits>

#include "core/lathe/lathe.h"
#include "core/nc/arcs.h"
#include "core/nc/interpreter.h"
#include "core/nc/nc_messages.h"
#include "core/nc/peck_cycles.h"
#include "core/nc/single_pass_cycles.h"
#include "core/nc/stock_removal.h"
#include "core/text/read_number.h"

namespace zan {

void Interpreter::RunMotion()
{
    LatheState& s = lathe_.state;
    Motion& motion = lathe_.motion;
    PathContext ctx{lathe_};
    const float z = nc.targetZ;
    const float x = nc.targetX;
    switch (nc.gCode) {
    case 0:
        motion.RapidMove(z, x);
        nc.lastMotionG = 0;
        return;
    case 1:
        if (nc.Collecting()) {
            AppendContourElement(1);
            RecordNullPoint();
            return;
        }
        motion.LinearMove(z, x, nc.feedF);
        nc.lastMotionG = 1;
        return;
    case 2:
    case 3: {
        if (nc.Collecting()) {  // I and K keep their values after a collected arc
            AppendContourElement(nc.gCode);
            RecordNullPoint();
            return;
        }
        const bool clockwise = nc.gCode == 2;
        if (nc.wordI != -1.0f && nc.wordK != -1.0f)
            ArcByCentre(ctx, z, x, 2 * nc.wordK, nc.wordI, nc.feedF, clockwise);
        else
            ArcByRadius(ctx, z, x, nc.wordR, nc.feedF, clockwise);
        nc.wordI = nc.wordK = -1.0f;
        nc.lastMotionG = nc.gCode;
        return;
    }
    case 4:
        motion.Dwell(nc.wordD);
        RecordNullPoint();
        nc.gCode = nc.lastMotionG;
        return;
    case 22:
        nc.loopStartLine = s.lineIndex;
        nc.loopCount = nc.wordL;
        RecordNullPoint();
        return;
    case 26:
        motion.RapidMove(s.refZ, s.refX);
        nc.targetZ = s.refZ;
        nc.targetX = s.refX;
        nc.gCode = nc.lastMotionG;
        return;
    case 27:  // X alone returns to the reference point
        motion.RapidMove(static_cast<float>(s.drawnZ), s.refX);
        nc.gCode = nc.lastMotionG;
        return;
    case 29:  // Z alone
        motion.RapidMove(s.refZ, static_cast<float>(s.drawnX));
        nc.gCode = nc.lastMotionG;
        return;
    case 32:
    case 93:
    case 96:
    case 97: RecordNullPoint(); return;  // accepted; nothing to move
    case 33: ThreadMove(ctx, z, x, SaturatedInt(nc.wordP)); return;
    case 71:
    case 72: StartContour(); return;
    case 74: PeckDrillCycle(ctx, z, x, nc.wordI, nc.wordK, nc.wordR, nc.wordE, nc.feedF); return;
    case 75: GroovingCycle(ctx, z, x, nc.wordI, nc.wordK, nc.wordE, nc.feedF); return;
    case 80:
        if (nc.loopStartLine != -1 && nc.loopCount > 1) s.lineIndex = nc.loopStartLine;
        // Only a count above 1 loops; the count stops at int's minimum, where
        // an L of eight non-digits can put it.
        if (nc.loopCount > std::numeric_limits<int>::min()) --nc.loopCount;
        RecordNullPoint();
        return;
    case 90: TurningCycle(ctx, z, x, nc.wordR, nc.feedF); return;
    case 92: ThreadingCycle(ctx, z, x, nc.wordP, nc.wordR); return;
    case 94: FacingCycle(ctx, z, x, nc.wordR, nc.feedF); return;
    default: return;
    }
}

// A G71/G72 block: the next L motion blocks in G01..G03 are its contour.
void Interpreter::StartContour()
{
    const bool face = nc.gCode == 72;
    // The table holds 100 elements; a contour that cannot fit is refused
    // rather than collected past the end of it.
    if (nc.wordL < 0 || nc.wordL > ContourTable::kElements) {
        lathe_.ports.alerts.Message(msg::kContourParameters);
        RecordNullPoint();
        nc.gCode = nc.lastMotionG;
        return;
    }
    if (nc.contourCount == -1) nc.contourCount = 0;
    RecordNullPoint();
    nc.cycleStart = face ? nc.targetZ : nc.targetX;
    nc.cycleI = nc.wordI;
    nc.cycleK = nc.wordK;
    nc.wordI = nc.wordK = -1.0f;
    nc.gCode = nc.lastMotionG;
    nc.returnLine = lathe_.state.lineIndex + 1;
    if (face) nc.faceCycle = true;
}

void Interpreter::AppendContourElement(int type)
{
    const int k = nc.contourCount;
    if (k < 0 || k >= ContourTable::kElements) return;
    ContourTable& c = lathe_.state.contour;
    c.z[k] = nc.targetZ;
    c.x[k] = nc.targetX;
    const bool centreForm = type != 1 && nc.wordI != -1.0f && nc.wordK != -1.0f;
    c.k2[k] = centreForm ? 2 * nc.wordK : 0.0f;
    c.i[k] = centreForm ? nc.wordI : 0.0f;
    c.r[k] = type != 1 && !centreForm ? nc.wordR : 0.0f;
    c.type[k] = static_cast<float>(type);
    ++nc.contourCount;
}

// A complete contour runs its roughing cycle and goes back to the contour's
// first block for the finishing pass; any other block steps to the next line.
void Interpreter::FinishLine()
{
    LatheState& s = lathe_.state;
    if (nc.Collecting() && nc.contourCount == nc.wordL) {
        PathContext ctx{lathe_};
        if (nc.faceCycle)
            RoughFaceCycle(ctx, nc.cycleStart, nc.cycleI, nc.cycleK, nc.wordL, nc.feedF);
        else
            RoughTurnCycle(ctx, nc.cycleStart, nc.cycleI, nc.cycleK, nc.wordL, nc.feedF);
        nc.cycleStart = nc.cycleI = 0;
        nc.wordL = 0;
        nc.feedF = 0;
        nc.contourCount = -1;
        nc.faceCycle = false;
        s.lineIndex = nc.returnLine;
        nc.returnLine = -1;
        lathe_.PanelEvent(6);
        return;
    }
    lathe_.PanelEvent(6);
    ++s.lineIndex;
}

}  // namespace zan
