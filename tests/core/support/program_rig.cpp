#include "support/program_rig.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace zan::test {

ProgramRig::ProgramRig()
{
    lathe->moveObserver = &trace;
    Cutting();
}

void ProgramRig::Load(const std::vector<std::string>& lines)
{
    LineTable& table = s().lineTable;
    table.Clear();
    for (std::size_t i = 0; i < lines.size() && i < LineTable::kRows; ++i)
        std::memcpy(table.rows[i].data(), lines[i].data(), std::min<std::size_t>(lines[i].size(), 100));
}

int ProgramRig::Run(int maxTurns)
{
    s().runFlag = true;
    int turns = 0;
    while (s().runFlag && turns < maxTurns) {
        Turn();
        ++turns;
    }
    return turns;
}

void ProgramRig::RunToEnd(int maxTurns)
{
    const int before = completions();
    int turns = 0;
    while (completions() == before && turns < maxTurns) turns += Run(maxTurns - turns);
}

int ProgramRig::completions() const
{
    return static_cast<int>(std::count(panel.calls.begin(), panel.calls.end(), "run complete"));
}

std::vector<std::string> ProgramRig::MachineMoves() const
{
    std::vector<std::string> out;
    const LatheState& st = lathe->state;
    for (const TracedMove& m : trace.moves) {
        if (m.mode == MoveMode::Redraw) continue;
        char line[64];
        std::snprintf(line, sizeof line, "%.3f %.3f", m.z + st.originZ, 2 * (m.x + st.originX));
        out.emplace_back(line);
    }
    return out;
}

std::vector<std::string> ProgramRig::UniqueMoves() const
{
    std::vector<std::string> moves = MachineMoves();
    moves.erase(std::unique(moves.begin(), moves.end()), moves.end());
    return moves;
}

}  // namespace zan::test
