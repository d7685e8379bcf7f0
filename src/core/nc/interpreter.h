#pragma once
// The block executor and its run loop: a part program in the machine's
// LineTable runs one block at a time; each block's motion is recorded as a
// path and played back one point per turn of the loop.

#include <optional>
#include <string_view>

#include "core/nc/nc_state.h"

namespace zan {

class Lathe;

class Interpreter {
public:
    explicit Interpreter(Lathe& lathe) : lathe_(lathe) {}

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
    bool EndBlockEarly();
    void ApplyTool(int t);
    // Applies the block's M function; true when it ended the block.
    bool ApplyM(int m);
    void RunMotion();
    void StartContour();
    void AppendContourElement(int type);
    void FinishLine();
    void RecordNullPoint();
    bool Locked() const;

    Lathe& lathe_;
};

}  // namespace zan
