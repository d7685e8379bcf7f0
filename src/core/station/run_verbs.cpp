// The verbs of a program run: loading the program, cycle start and feed
// hold, single block, the lock switch and the line a run starts from. Every
// front end changes a run through these, never through the machine's fields.

#include "core/files/program_file.h"
#include "core/station/station.h"

namespace zan {

namespace {

// The last row of the table that holds any text; -1 for an empty table.
// Rows after an empty one may still hold lines: the student may start there.
int LastProgramLine(const LineTable& table)
{
    for (int row = LineTable::kRows - 1; row >= 0; --row)
        if (table.rows[static_cast<std::size_t>(row)][0] != '\0') return row;
    return -1;
}

}  // namespace

void Station::LoadProgram(std::string_view text) { LoadIntoLineTable(text, lathe.state.lineTable); }

void Station::StartCycle() { lathe.state.runFlag = true; }

void Station::HoldFeed() { lathe.state.runFlag = false; }

void Station::SetSingleBlock(bool on) { lathe.state.singleBlock = on; }

void Station::SetLockSwitch(bool on)
{
    LatheState& s = lathe.state;
    s.lockSwitch = on;
    if (on) s.chuckOpen = false;
}

bool Station::MoveStartLine(int step)
{
    LatheState& s = lathe.state;
    if (step > 0 && s.lineIndex >= LastProgramLine(s.lineTable)) return false;
    if (step < 0 && s.lineIndex <= 0) return false;
    s.lineIndex += step > 0 ? 1 : -1;
    return true;
}

}  // namespace zan
