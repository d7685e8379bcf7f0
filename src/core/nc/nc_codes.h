#pragma once
// The G and M codes the interpreter carries out, each with what it does. The
// interpreter dispatches by these tables and the program checker knows a
// code by them, so that a code the checker accepts is one the interpreter
// runs: a code added here is both.

#include <cstddef>
#include <optional>

namespace zan {

// What a block's G code does with its motion words.
enum class GAction {
    Move,            // G00 rapid, G01 line, G02/G03 arcs; or an element of a contour being collected
    Dwell,           // G04: D is the dwell
    LoopStart,       // G22: L is the count (the checker wants an L before it)
    LoopEnd,         // G80: back to the G22 while the count lasts
    ReturnBoth,      // G26: rapid to the reference point
    ReturnX,         // G27: X alone
    ReturnZ,         // G29: Z alone
    Accepted,        // G32, G93, G96, G97: read, nothing moves
    ContourTurn,     // G71: the next L blocks are the contour of a turning cycle
    ContourFace,     // G72: the same for a facing cycle
    Thread,          // G33: one threading pass, P the lead
    PeckDrill,       // G74
    Grooving,        // G75
    TurningCycle,    // G90
    ThreadingCycle,  // G92
    FacingCycle,     // G94
};

// What a block's M code does, before its motion.
enum class MAction {
    Stop,      // M00: the run stops after the block; cycle start resumes
    End,       // M02, M30: the program ends (the checker reads no further)
    Spindle,   // M03, M04, M05
    Coolant,   // M08 on, M09 off
    Chuck,     // M10 clamps, M11 releases
    Accepted,  // M20: read, nothing happens
    Jump,      // M97 jump, M98 repeat a section, M99 its end
};

template <typename Action>
struct NcCode {
    int code;
    Action action;
};

inline constexpr NcCode<GAction> kGCodes[] = {
    {0, GAction::Move},
    {1, GAction::Move},
    {2, GAction::Move},
    {3, GAction::Move},
    {4, GAction::Dwell},
    {22, GAction::LoopStart},
    {26, GAction::ReturnBoth},
    {27, GAction::ReturnX},
    {29, GAction::ReturnZ},
    {32, GAction::Accepted},
    {33, GAction::Thread},
    {71, GAction::ContourTurn},
    {72, GAction::ContourFace},
    {74, GAction::PeckDrill},
    {75, GAction::Grooving},
    {80, GAction::LoopEnd},
    {90, GAction::TurningCycle},
    {92, GAction::ThreadingCycle},
    {93, GAction::Accepted},
    {94, GAction::FacingCycle},
    {96, GAction::Accepted},
    {97, GAction::Accepted},
};

inline constexpr NcCode<MAction> kMCodes[] = {
    {0, MAction::Stop},
    {2, MAction::End},
    {3, MAction::Spindle},
    {4, MAction::Spindle},
    {5, MAction::Spindle},
    {8, MAction::Coolant},
    {9, MAction::Coolant},
    {10, MAction::Chuck},
    {11, MAction::Chuck},
    {20, MAction::Accepted},
    {30, MAction::End},
    {97, MAction::Jump},
    {98, MAction::Jump},
    {99, MAction::Jump},
};

// The action of a code; none for a code the interpreter does not know.
template <typename Action, std::size_t N>
constexpr std::optional<Action> ActionOf(const NcCode<Action> (&table)[N], int code)
{
    for (const NcCode<Action>& entry : table)
        if (entry.code == code) return entry.action;
    return std::nullopt;
}

constexpr std::optional<GAction> GActionOf(int code) { return ActionOf(kGCodes, code); }
constexpr std::optional<MAction> MActionOf(int code) { return ActionOf(kMCodes, code); }

}  // namespace zan
