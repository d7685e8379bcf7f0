// The keys of Auto besides cycle start and feed hold: the lock switch (DRY),
// which runs the program without drawing or cutting and without tool,
// spindle and chuck functions; single block, which stops the run after each
// block's path; and the choice of the block a run starts from: INPUT asks
// for it, the cursor keys move through the program, cycle start runs from it.

#include "core/panel/auto_run.h"
#include "core/panel/panel_messages.h"

namespace zan {

namespace {

constexpr int kStartBlockPromptX = 180;  // on the title row, pixels
constexpr int kStartBlockPromptY = 45;

}  // namespace

// Only in Auto with no run going on (a held run may be switched). Locking
// also marks the chuck clamped; the locked run skips the chuck functions.
void AutoRun::LockSwitch()
{
    if (c_.panel.mode != PanelMode::Auto || c_.machine.runFlag) return;
    c_.bridge.MachineCommand(MachineLetter::LockSwitch);
    c_.lamps.Set(KeyId::Dry, c_.machine.lockSwitch);
}

// Only in Auto, also while the program runs: the run then stops at the end
// of the block it is in. Only the title is redrawn.
void AutoRun::SingleBlock()
{
    if (c_.panel.mode != PanelMode::Auto) return;
    c_.bridge.MachineCommand(MachineLetter::SingleBlock);
    c_.host.DrawOver(DrawSingleBlockTitle);
}

// INPUT in Auto, unless a started program is running or held.
void AutoRun::AskStartBlock()
{
    if (c_.lamps.On(KeyId::CycleStart) || c_.lamps.On(KeyId::FeedHold)) return;
    c_.lcd.Show(kStartBlockPromptX, kStartBlockPromptY, msg::kStartBlockPrompt, LcdVideo::Inverse);
    selectingBlock_ = true;
}

// One block down (step 1) or up (-1), from the first line to the last line
// that holds text; the block display follows each move.
void AutoRun::SelectBlock(int step)
{
    if (c_.bridge.MachineCommand(step > 0 ? MachineLetter::NextStartLine : MachineLetter::PreviousStartLine) == 0) return;
    c_.host.DrawOver(DrawRunDisplay);
    blockAdvanced_ = false;
}

}  // namespace zan
