#pragma once
// A machine ready to run a part program: lines go into the LineTable, the run
// loop turns until the program ends or a turn limit, and every move is traced.

#include <string>
#include <vector>

#include "support/fakes.h"

namespace zan::test {

struct TracedMove {
    float z, x;
    MoveMode mode;
};

struct MoveTrace : MoveObserver {
    std::vector<TracedMove> moves;
    void OnMoveTool(float col, float row, MoveMode mode) override { moves.push_back({col, row, mode}); }
};

struct ProgramRig : Rig {
    MoveTrace trace;
    ProgramRig();
    void Load(const std::vector<std::string>& lines);
    // Cycle start, then turns of the run loop until the run flag drops.
    // Returns the number of turns taken.
    int Run(int maxTurns = 100000);
    // Runs to the program's end, resuming after every stop (M00).
    void RunToEnd(int maxTurns = 100000);
    Interpreter& interp() { return station->interpreter; }
    NcState& nc() { return station->interpreter.nc; }
    int completions() const;  // how often the panel was told the run ended
    // Moves in machine coordinates: "Z X" with X a diameter.
    std::vector<std::string> MachineMoves() const;
    // The same without repeats of the same position (end points, null points).
    std::vector<std::string> UniqueMoves() const;
};

}  // namespace zan::test
