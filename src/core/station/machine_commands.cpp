// Machine commands: the letters by which the panel's keys act on the machine.

#include <array>

#include "core/station/station.h"

namespace zan {

namespace {

constexpr Rect kWholeView{0, 0, 1600, 1200};
constexpr int kReturnFeed = 1000;            // reference returns move at once, unpaced
constexpr int kStepFeed = 100;
constexpr float kStepAxisThreshold = 50.0f;  // encoded steps above this are Z steps

using Command = int (*)(Station&);

struct Entry {
    MachineLetter letter;
    Command command;
};

// Letters not listed here, or handled in MachineCommand itself, do nothing
// and answer 1.
constexpr Entry kEntries[] = {
    {MachineLetter::Coolant, [](Station& st) { st.lathe.ToggleCoolant(); return 1; }},
    {MachineLetter::SpindleL, [](Station& st) { return st.lathe.StartSpindle(MachineLetter::SpindleL); }},
    {MachineLetter::SpindleR, [](Station& st) { return st.lathe.StartSpindle(MachineLetter::SpindleR); }},
    {MachineLetter::SpindleStop, [](Station& st) { st.lathe.StopSpindle(); return 1; }},
    {MachineLetter::Overrides, [](Station& st) { st.PanelEvent(PanelEventCode::Overrides); return 1; }},
    {MachineLetter::Initialise, [](Station& st) { st.lathe.Initialise(); return 1; }},
    {MachineLetter::NextTool, [](Station& st) { st.lathe.NextTool(); return 1; }},
    {MachineLetter::RepaintAll, [](Station& st) { st.lathe.ports.display.Refresh(kWholeView); return 1; }},
    {MachineLetter::StopJog, [](Station& st) { st.lathe.state.jogActive = false; return 1; }},
    {MachineLetter::CycleStart, [](Station& st) { st.StartCycle(); return 1; }},
    {MachineLetter::FeedHold, [](Station& st) { st.HoldFeed(); return 1; }},
    {MachineLetter::SingleBlock, [](Station& st) { st.SetSingleBlock(!st.singleBlock()); return 1; }},
    {MachineLetter::LockSwitch, [](Station& st) { st.SetLockSwitch(!st.lockSwitch()); return 1; }},
    {MachineLetter::LockOff, [](Station& st) { st.SetLockSwitch(false); return 1; }},
    {MachineLetter::NextStartLine, [](Station& st) { return st.MoveStartLine(1) ? 1 : 0; }},
    {MachineLetter::PreviousStartLine, [](Station& st) { return st.MoveStartLine(-1) ? 1 : 0; }},
};

}  // namespace

int Station::MachineCommand(MachineLetter letter)
{
    LatheState& s = lathe.state;
    switch (letter) {
    case MachineLetter::ReturnX:
        if (s.runFlag) return 1;
        ManualMoveTo(static_cast<float>(s.drawnZ), s.refX);
        s.posX = s.refX;
        return 1;
    case MachineLetter::ReturnZ:
        if (s.runFlag) return 1;
        ManualMoveTo(s.refZ, static_cast<float>(s.drawnX));
        s.posZ = s.refZ;
        return 1;
    case MachineLetter::ClearX:
        if (!s.runFlag) ManualMoveTo(static_cast<float>(s.drawnZ), 500.0f);
        return 1;
    case MachineLetter::ClearZ:
        if (!s.runFlag) ManualMoveTo(800.0f, static_cast<float>(s.drawnX));
        return 1;
    case MachineLetter::JogXMinus: return Jog(JogDirection::XMinus);
    case MachineLetter::JogXPlus: return Jog(JogDirection::XPlus);
    case MachineLetter::JogZPlus: return Jog(JogDirection::ZPlus);
    case MachineLetter::JogZMinus: return Jog(JogDirection::ZMinus);
    case MachineLetter::Step:
        Step();
        return 1;
    default: break;
    }
    for (const Entry& e : kEntries)
        if (e.letter == letter) return e.command(*this);
    return 1;
}

// Moves the tool at once, without the path buffer.
void Station::ManualMoveTo(float z, float x)
{
    lathe.state.directMove = true;
    motion.LinearMove(z, x, kReturnFeed);
    lathe.state.directMove = false;
}

bool Station::RapidMoveDirect(float z, float x)
{
    lathe.state.directMove = true;
    const bool done = motion.RapidMove(z, x);
    lathe.state.directMove = false;
    return done;
}

// Starts continuous jogging with one step; 0 when that step was refused.
int Station::Jog(JogDirection direction)
{
    lathe.state.jogActive = true;
    return motion.JogStep(direction) ? 1 : 0;
}

// stepValue encodes axis and size: 110 +/- step for Z, +/- step / 2 for X.
void Station::Step()
{
    LatheState& s = lathe.state;
    s.directMove = true;
    if (s.stepValue > kStepAxisThreshold)
        motion.LinearMove(s.posZ + s.stepValue - 110.0f, s.posX, kStepFeed);
    else
        motion.LinearMove(s.posZ, s.posX + s.stepValue, kStepFeed);
    s.directMove = false;
}

}  // namespace zan
