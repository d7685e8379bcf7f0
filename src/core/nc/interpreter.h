#pragma once
// The block executor and its run loop: a part program in the machine's
// LineTable runs one block at a time; each block's motion is recorded as a
// path and played back one point per turn of the loop.

#include <optional>
#include <string_view>

#include "core/nc/nc_state.h"

namespace zan {

class Lathe;
class Motion;

class Interpreter {
public:
    Interpreter(Lathe& lathe, Motion& motion) : lathe_(lathe), motion_(motion) {}

    // run = true: execute the block at lineIndex; false: reset. Returns false
    // when the block was a motion block (its path must be played back).
    bool ExecuteNextBlock(bool run);
    // One turn of the run loop; idleCount counts turns since the last event.
    bool OnIdle(int idleCount);

    NcState nc;

private:
    // What reading a line's words found, beyond what it stored in nc.
    struct Block {
        std::optional<int> m;
        std::optional<int> t;
        bool endedEarly = false;  // "/", a block search, or an unreadable end
    };

    bool Reset();
    Block ReadWords(std::string_view row);
    void ReadWord(std::string_view row, int column, Block& block);
    void ReadBlockNumber(std::string_view row, int column, Block& block);
    void ReadValueWord(std::string_view row, int column);
    void ApplyTool(int t);
    // Applies the block's M function; true when it ended the block.
    bool ApplyM(int m);
    bool EndProgram(int m);
    bool SwitchSpindle(int m);
    bool SwitchCoolant(bool on);
    bool SwitchChuck(bool clamp);
    bool JumpOrRepeat(int m);
    void RunMotion();
    void RunMove();
    void ReturnToReference();
    void RunCycle();
    void StartContour();
    void AppendContourElement(int type);
    void FinishLine();
    void RecordNullPoint();
    bool Locked() const;

    Lathe& lathe_;
    Motion& motion_;
};

}  // namespace zan
