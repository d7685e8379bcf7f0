// The keys of Auto besides cycle start and feed hold: the lock switch (DRY),
// which runs the program without drawing or cutting and without tool,
// spindle and chuck functions; single block, which stops the run after each
// block's path; and the choice of the block a run starts from: INPUT asks
// for it, the cursor keys move through the program, cycle start runs from it.

#include "core/panel/panel.h"
#include "core/panel/panel_messages.h"

namespace zan {

namespace {

constexpr int kStartBlockPromptX = 180;  // on the title row, pixels
constexpr int kStartBlockPromptY = 45;

}  // namespace

// Only in Auto with no run going on (a held run may be switched). Locking
// also marks the chuck clamped; the locked run skips the chuck functions.
void Panel::LockSwitchKey(KeyId, KeyPress)
{
    if (state_.mode != PanelMode::Auto || lathe_.state.runFlag) return;
    bridge_.MachineCommand(MachineLetter::LockSwitch);
    lamps_.Set(KeyId::Dry, lathe_.state.lockSwitch);
}

// Only in Auto, also while the program runs: the run then stops at the end
// of the block it is in. Only the title is redrawn.
void Panel::SingleBlockKey(KeyId, KeyPress)
{
    if (state_.mode != PanelMode::Auto) return;
    bridge_.MachineCommand(MachineLetter::SingleBlock);
    DrawOver(DrawSingleBlockTitle);
}

// INPUT in Auto, unless a started program is running or held.
void Panel::AskStartBlock()
{
    if (lamps_.On(KeyId::CycleStart) || lamps_.On(KeyId::FeedHold)) return;
    lcd_.Show(kStartBlockPromptX, kStartBlockPromptY, msg::kStartBlockPrompt, LcdVideo::Inverse);
    state_.entryState = EntryState::BlockSelection;
}

// One block down (step 1) or up (-1), from the first line to the last line
// that holds text; the block display follows each move.
void Panel::SelectBlock(int step)
{
    if (bridge_.MachineCommand(step > 0 ? MachineLetter::NextStartLine : MachineLetter::PreviousStartLine) == 0) return;
    DrawOver(DrawRunDisplay);
    state_.blockAdvanced = false;
}

bool Panel::SelectingBlock() const { return state_.entryState == EntryState::BlockSelection; }

// The run starts, the program is loaded again or ESC: the cursor keys no
// longer move the line the run goes on from.
void Panel::EndBlockSelection()
{
    if (SelectingBlock()) state_.entryState = EntryState::None;
}

}  // namespace zan
