#pragma once
// The block executor and its run loop: a part program in the machine's
// LineTable runs one block at a time; each block's motion is recorded as a
// path and played back one point per turn of the loop.

#include <cstdint>
#include <optional>
#include <string_view>

#include "core/nc/nc_state.h"

namespace zan {

class Lathe;
class Motion;
enum class GAction;

// What a turn of the run loop leaves to do.
struct TurnResult {
    enum class Kind {
        Idle,     // nothing runs: no program, no jog
        More,     // a run or a jog goes on: turn again now
        Waiting,  // turn again at `due` (a paced point, a dwell, a jog step, a turret frame)
    };
    Kind kind = Kind::Idle;
    std::int64_t due = 0;  // ms on the machine's clock, for Waiting

    static TurnResult Wait(std::int64_t at) { return TurnResult{Kind::Waiting, at}; }
};

class Interpreter {
public:
    Interpreter(Lathe& lathe, Motion& motion) : lathe_(lathe), motion_(motion) {}

    // run = true: execute the block at lineIndex; false: reset. Returns false
    // when the block was a motion block (its path must be played back). A
    // block whose tool change turns the turret waits for the turn: it
    // returns true then, and the run loop carries the rest of it out.
    bool ExecuteNextBlock(bool run);
    // One turn of the run loop: a jog step, then the next block when no path
    // is playing, then one point of the path. A turn that must wait returns
    // when it is to be taken up again, where it stopped.
    TurnResult Turn();
    // A turn that waited is not taken up again (a new program, a new run).
    void ResetTurn()
    {
        phase_ = TurnPhase::Jog;
        pendingBlock_.reset();
    }

    NcState nc;

private:
    // What reading a line's words found, beyond what it stored in nc.
    struct Block {
        std::optional<int> m;
        std::optional<int> t;
        bool endedEarly = false;  // "/", a block search, or an unreadable end
    };

    // Where a turn that waited is taken up again.
    enum class TurnPhase { Jog, Block, Play };
    TurnResult TurnFromBlock();
    // The block at lineIndex: false for a motion block, nullopt while it
    // waits for the turret (the rest of it runs when the turn is over).
    std::optional<bool> ExecuteBlock();
    bool FinishBlock(const Block& block);
    bool Reset();
    Block ReadWords(std::string_view row);
    void ReadWord(std::string_view row, int column, Block& block);
    void ReadBlockNumber(std::string_view row, int column, Block& block);
    void ReadValueWord(std::string_view row, int column);
    // T: the station turns (MountTool), then the offset applies (ApplyToolOffset).
    void MountTool(int t);
    void ApplyToolOffset(int t);
    // Applies the block's M function; true when it ended the block.
    bool ApplyM(int m);
    bool EndProgram(int m);
    bool SwitchSpindle(int m);
    bool SwitchCoolant(bool on);
    bool SwitchChuck(bool clamp);
    bool JumpOrRepeat(int m);
    void RunMotion();
    void RunMove();
    void ReturnToReference(GAction action);
    void RunCycle(GAction action);
    void StartContour(bool face);
    void AppendContourElement(int type);
    void FinishLine();
    void RecordNullPoint();
    bool Locked() const;

    Lathe& lathe_;
    Motion& motion_;
    TurnPhase phase_ = TurnPhase::Jog;
    std::optional<Block> pendingBlock_;  // waits for the turret to finish its turn
};

}  // namespace zan
