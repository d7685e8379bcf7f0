// Reading and executing one block, the reset, and the run loop.

#include "core/nc/interpreter.h"

#include "core/lathe/lathe.h"
#include "core/nc/motion.h"
#include "core/nc/nc_messages.h"
#include "core/text/read_number.h"

namespace zan {

namespace {

// Direct steps made per turn while a block's steps are held back (speed
// levels 2 to 4): a step with the window's read-out costs up to about half a
// millisecond, and the window's budget bounds the turns it takes in a row.
constexpr long kDirectStepsPerTurn = 2;

}  // namespace

bool Interpreter::ExecuteNextBlock(bool run)
{
    if (!run) return Reset();
    return ExecuteBlock(Motion::kMaxHeldSteps) != BlockStage::Path;
}

void Interpreter::ResetTurn()
{
    phase_ = TurnPhase::Jog;
    pendingBlock_.reset();
    tail_.reset();
    motion_.DropHeldSteps();
}

Interpreter::BlockStage Interpreter::ExecuteBlock(long steps)
{
    if (tail_) return EndBlock(steps);
    if (pendingBlock_) {
        const Block block = *pendingBlock_;
        pendingBlock_.reset();
        return FinishBlock(block, steps);
    }
    LatheState& s = lathe_.state;
    // A line shorter than two characters, or the last row, ends the program.
    if (s.lineIndex < 0 || s.lineIndex >= LineTable::kRows || s.lineTable.rows[s.lineIndex][1] == 0) {
        Reset();
        return BlockStage::Done;
    }

    const auto& row = s.lineTable.rows[s.lineIndex];
    const Block block = ReadWords(std::string_view(row.data(), LineTable::kTextBytes));
    if (block.endedEarly) return BlockStage::Done;

    if (block.t) MountTool(*block.t);
    // The block goes on when the turret has turned to its station.
    if (lathe_.BusyUntil()) {
        pendingBlock_ = block;
        return BlockStage::Turret;
    }
    return FinishBlock(block, steps);
}

// The block's motion is computed at once; its direct steps may be held back
// and made over the next turns, and the step to the next line follows them.
Interpreter::BlockStage Interpreter::FinishBlock(const Block& block, long steps)
{
    if (block.t) ApplyToolOffset(*block.t);
    if (block.m && ApplyM(*block.m)) return BlockStage::Done;
    if (nc.Collecting() && nc.gCode > 3) lathe_.ports.alerts.Message(msg::kContourParameters);
    const bool motionBlock = nc.AnyMotionWord();
    motion_.HoldDirectSteps(steps < Motion::kMaxHeldSteps);
    if (motionBlock) RunMotion();
    const bool roughed = RunRoughing();
    motion_.HoldDirectSteps(false);
    tail_ = BlockTail{motionBlock, roughed};
    return EndBlock(steps);
}

Interpreter::BlockStage Interpreter::EndBlock(long steps)
{
    if (!motion_.MakeHeldSteps(steps)) return BlockStage::Steps;
    // A reset in between (the student's, or a severe error) ended the block.
    if (!tail_) return BlockStage::Done;
    const BlockTail tail = *tail_;
    tail_.reset();
    FinishLine(tail.roughed);
    if (!tail.motion) return BlockStage::Done;
    nc.ClearMotionWords();
    return BlockStage::Path;
}

// Words are read left to right wherever they stand; a later word of the same
// letter overrides an earlier one.
Interpreter::Block Interpreter::ReadWords(std::string_view row)
{
    Block block;
    for (int column = 0; column < static_cast<int>(row.size()) && !block.endedEarly; ++column)
        ReadWord(row, column, block);
    return block;
}

namespace {

// The integer words (F, D, L, T, N) are truncated toward zero. Eight digits
// fit an int, but eight other characters read as digits may not: those
// saturate.
int Truncated(double value) { return SaturatedInt(value); }

}  // namespace

void Interpreter::ReadWord(std::string_view row, int column, Block& block)
{
    switch (row[column]) {
    case '/':
        // Block skip: words to the left keep their effect, the rest is not read.
        ++lathe_.state.lineIndex;
        block.endedEarly = true;
        return;
    case 'N': ReadBlockNumber(row, column, block); return;
    case 'G':
        nc.presentG = true;
        if (const auto code = ReadCode(row, column))
            nc.gCode = *code;
        else
            lathe_.ports.alerts.Message(msg::kGSyntax);
        return;
    case 'M':
        if (const auto code = ReadCode(row, column))
            block.m = *code;
        else
            lathe_.ports.alerts.Message(msg::kMSyntax);
        return;
    case 'T': block.t = Truncated(ReadNumber(row, column)); return;
    default: ReadValueWord(row, column); return;
    }
}

// While a block number is searched for (M97, M98), blocks numbered below it
// are passed over.
void Interpreter::ReadBlockNumber(std::string_view row, int column, Block& block)
{
    const int n = Truncated(ReadNumber(row, column));
    if (nc.seekBlock != -1 && n < nc.seekBlock) {
        RecordNullPoint();
        ++lathe_.state.lineIndex;
        block.endedEarly = true;
    } else if (nc.repeatCount == -1) {
        nc.seekBlock = -1;
    }
}

// Coordinates and the words that only store a value. X, U, I and K are
// diameters, stored halved as a radius.
void Interpreter::ReadValueWord(std::string_view row, int column)
{
    const LatheState& s = lathe_.state;
    auto number = [&] { return ReadNumber(row, column); };
    switch (row[column]) {
    case 'X':
        nc.presentX = true;
        nc.targetX = static_cast<float>(number() * 0.5 + s.offsetX - s.originX);
        return;
    case 'Z':
        nc.presentZ = true;
        nc.targetZ = static_cast<float>(number() + s.offsetZ - s.originZ);
        return;
    case 'U':
        nc.presentU = true;
        nc.targetX = static_cast<float>(number() * 0.5 + (nc.Collecting() ? nc.targetX : s.posX));
        return;
    case 'W':
        nc.presentW = true;
        nc.targetZ = static_cast<float>(number() + (nc.Collecting() ? nc.targetZ : s.posZ));
        return;
    case 'I': nc.wordI = static_cast<float>(number() * 0.5); return;
    case 'K': nc.wordK = static_cast<float>(number() * 0.5); return;
    case 'R': nc.wordR = static_cast<float>(number()); return;
    case 'P': nc.wordP = static_cast<float>(number()); return;
    case 'E': nc.wordE = static_cast<float>(number()); return;
    case 'F': nc.feedF = Truncated(number()); return;
    case 'D': nc.wordD = Truncated(number()); return;
    case 'L': nc.wordL = Truncated(number()); return;
    default: return;  // digits, signs, spaces, S words and anything else
    }
}

bool Interpreter::Reset()
{
    LatheState& s = lathe_.state;
    s.lineTable.Clear();
    nc.targetZ = nc.targetX = -1.0f;
    nc.wordI = nc.wordK = -1.0f;
    nc.cycleStart = nc.cycleI = nc.cycleK = -1.0f;
    nc.gCode = -1;
    nc.repeatCount = -1;
    nc.contourCount = -1;
    nc.seekBlock = -1;
    nc.faceCycle = false;
    pendingBlock_.reset();
    tail_.reset();
    motion_.PathStep(s.posZ, s.posX, PathMode::Rewind);
    s.runFlag = false;
    s.lineIndex = 0;
    s.lockSwitch = false;
    lathe_.PanelEvent(PanelEventCode::RunComplete);  // the panel reloads the program and reports the end
    return true;
}

void Interpreter::RecordNullPoint()
{
    motion_.PathStep(lathe_.state.posZ, lathe_.state.posX, PathMode::Record);
}

bool Interpreter::Locked() const { return lathe_.state.lockSwitch; }

// One turn of the run loop: a jog step, the next block when no path is
// playing, then one point of the path. Feed hold clears runFlag and freezes
// both; the latch survives it, so cycle start resumes where the path
// stopped. A jog step waits for the one before it to take its time.
TurnResult Interpreter::Turn()
{
    LatheState& s = lathe_.state;
    // A block whose direct steps are being made ends before anything else
    // (a jog step, a feed hold): at once it would have ended in one turn.
    if (tail_) return TurnFromBlock();
    if (phase_ == TurnPhase::Jog) {
        if (s.jogActive) {
            if (const auto due = motion_.JogDue()) return TurnResult::Wait(*due);
            motion_.JogStep(JogDirection::Continue);
        }
        phase_ = TurnPhase::Block;
    }
    if (!s.runFlag) {
        phase_ = TurnPhase::Jog;
        return TurnResult{s.jogActive ? TurnResult::Kind::More : TurnResult::Kind::Idle};
    }
    return TurnFromBlock();
}

TurnResult Interpreter::TurnFromBlock()
{
    LatheState& s = lathe_.state;
    if (phase_ == TurnPhase::Block) {
        if (!nc.motionLatch) {
            const TurnResult waits = ExecuteInTurn();
            if (waits.kind == TurnResult::Kind::Waiting) return waits;
        }
        phase_ = TurnPhase::Play;
    }
    if (nc.motionLatch && s.runFlag) {
        if (!motion_.PlayNext())
            nc.motionLatch = false;
        else if (const auto due = motion_.PlayDue())
            return TurnResult::Wait(*due);
    }
    phase_ = TurnPhase::Jog;
    return TurnResult{TurnResult::Kind::More};
}

// The block part of a turn: Waiting when the turn must be taken up again.
TurnResult Interpreter::ExecuteInTurn()
{
    if (!tail_) {
        // A dwell, a turret turning: the next block waits for them.
        if (const auto due = motion_.HoldDue()) return TurnResult::Wait(*due);
        if (const auto due = lathe_.BusyUntil()) return TurnResult::Wait(*due);
    }
    switch (ExecuteBlock(kDirectStepsPerTurn)) {
    case BlockStage::Turret: return TurnResult::Wait(*lathe_.BusyUntil());
    // Nothing to wait for: the rest of the block's steps are due at once,
    // but a window answers its inputs first.
    case BlockStage::Steps: return TurnResult::Wait(lathe_.ports.clock.NowMs());
    case BlockStage::Path:
        if (lathe_.state.runFlag) nc.motionLatch = true;
        break;
    case BlockStage::Done: break;
    }
    return TurnResult{TurnResult::Kind::More};
}

}  // namespace zan
