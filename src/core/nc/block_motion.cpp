// The block's motion by its G code, contour collection for G71/G72, and the
// step to the next line.

#include <limits>

#include "core/lathe/lathe.h"
#include "core/nc/arcs.h"
#include "core/nc/interpreter.h"
#include "core/nc/nc_codes.h"
#include "core/nc/nc_messages.h"
#include "core/nc/peck_cycles.h"
#include "core/nc/single_pass_cycles.h"
#include "core/nc/stock_removal.h"
#include "core/text/read_number.h"

namespace zan {

// By the action the G code table gives; an unknown code moves nothing.
void Interpreter::RunMotion()
{
    const std::optional<GAction> action = GActionOf(nc.gCode);
    if (!action) return;
    switch (*action) {
    case GAction::Move: RunMove(); return;
    case GAction::Dwell:
        motion_.Dwell(nc.wordD);
        RecordNullPoint();
        nc.gCode = nc.lastMotionG;
        return;
    case GAction::LoopStart:
        nc.loopStartLine = lathe_.state.lineIndex;
        nc.loopCount = nc.wordL;
        RecordNullPoint();
        return;
    case GAction::LoopEnd:
        if (nc.loopStartLine != -1 && nc.loopCount > 1) lathe_.state.lineIndex = nc.loopStartLine;
        // Only a count above 1 loops; the count stops at int's minimum, where
        // an L of eight non-digits can put it.
        if (nc.loopCount > std::numeric_limits<int>::min()) --nc.loopCount;
        RecordNullPoint();
        return;
    case GAction::ReturnBoth:
    case GAction::ReturnX:
    case GAction::ReturnZ: ReturnToReference(*action); return;
    case GAction::Accepted: RecordNullPoint(); return;  // nothing to move
    case GAction::ContourTurn:
    case GAction::ContourFace: StartContour(*action == GAction::ContourFace); return;
    default: RunCycle(*action); return;
    }
}

// G00..G03, or one element of a contour being collected. I and K keep their
// values after a collected arc.
void Interpreter::RunMove()
{
    const int g = nc.gCode;
    if (g != 0 && nc.Collecting()) {
        AppendContourElement(g);
        RecordNullPoint();
        return;
    }
    if (g == 0) motion_.RapidMove(nc.targetZ, nc.targetX);
    if (g == 1) motion_.LinearMove(nc.targetZ, nc.targetX, nc.feedF);
    if (g == 2 || g == 3) {
        PathContext ctx{lathe_, motion_};
        const bool clockwise = g == 2;
        if (nc.wordI != -1.0f && nc.wordK != -1.0f)
            ArcByCentre(ctx, nc.targetZ, nc.targetX, 2 * nc.wordK, nc.wordI, nc.feedF, clockwise);
        else
            ArcByRadius(ctx, nc.targetZ, nc.targetX, nc.wordR, nc.feedF, clockwise);
        nc.wordI = nc.wordK = -1.0f;
    }
    nc.lastMotionG = g;
}

// G26 both axes, G27 X alone, G29 Z alone; the modal code reverts.
void Interpreter::ReturnToReference(GAction action)
{
    const LatheState& s = lathe_.state;
    switch (action) {
    case GAction::ReturnBoth:
        motion_.RapidMove(s.refZ, s.refX);
        nc.targetZ = s.refZ;
        nc.targetX = s.refX;
        break;
    case GAction::ReturnX: motion_.RapidMove(static_cast<float>(s.drawnZ), s.refX); break;
    default: motion_.RapidMove(s.refZ, static_cast<float>(s.drawnX)); break;
    }
    nc.gCode = nc.lastMotionG;
}

// The one-block cycles.
void Interpreter::RunCycle(GAction action)
{
    PathContext ctx{lathe_, motion_};
    const float z = nc.targetZ;
    const float x = nc.targetX;
    switch (action) {
    case GAction::Thread: ThreadMove(ctx, z, x, SaturatedInt(nc.wordP)); return;
    case GAction::PeckDrill: PeckDrillCycle(ctx, z, x, nc.wordI, nc.wordK, nc.wordR, nc.wordE, nc.feedF); return;
    case GAction::Grooving: GroovingCycle(ctx, z, x, nc.wordI, nc.wordK, nc.wordE, nc.feedF); return;
    case GAction::TurningCycle: TurningCycle(ctx, z, x, nc.wordR, nc.feedF); return;
    case GAction::ThreadingCycle: ThreadingCycle(ctx, z, x, nc.wordP, nc.wordR); return;
    case GAction::FacingCycle: FacingCycle(ctx, z, x, nc.wordR, nc.feedF); return;
    default: return;
    }
}

// A G71/G72 block: the next L motion blocks in G01..G03 are its contour.
void Interpreter::StartContour(bool face)
{
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
        PathContext ctx{lathe_, motion_};
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
        lathe_.PanelEvent(PanelEventCode::ShowRunLines);
        return;
    }
    lathe_.PanelEvent(PanelEventCode::ShowRunLines);
    ++s.lineIndex;
}

}  // namespace zan
