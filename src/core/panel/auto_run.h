#pragma once
// Auto: the AUTO key loads the current program, cycle start starts (or
// resumes) it, feed hold holds it, ESC aborts a held run; DRY and SINGLE
// switch the run's lock and single block; INPUT and the cursor keys choose
// the block a run starts from. The machine reports each block and the end
// of the run. This part owns the choice of the start block and what the
// block display shows; the run itself is the machine's, changed only
// through machine commands.

#include "core/files/program_folder.h"
#include "core/lathe/codes.h"
#include "core/lathe/lathe_state.h"
#include "core/lathe/ports.h"
#include "core/panel/overlay_fields.h"
#include "core/panel/panel_host.h"
#include "core/panel/panel_lamps.h"
#include "core/panel/panel_lcd.h"
#include "core/panel/panel_state.h"

namespace zan {

struct AutoContext {
    PanelState& panel;
    const LatheState& machine;
    MachineBridge& bridge;
    Alerts& alerts;
    OverlayFields& fields;
    PanelLcd& lcd;
    PanelLamps& lamps;
    const ProgramFolder& programs;
    PanelHost& host;
};

class AutoRun {
public:
    explicit AutoRun(AutoContext context) : c_(context) {}

    // Entering Auto (the AUTO key, the end of a run, an aborted run): the
    // current program is loaded for the next cycle start. Until the first
    // paint has ended no file is read and the LCD is left alone.
    void Enter();
    void CycleStart();
    void FeedHold();
    void LockSwitch();
    void SingleBlock();
    // INPUT in Auto: the cursor keys then choose the start block.
    void AskStartBlock();
    bool SelectingBlock() const { return selectingBlock_; }
    // One block down (step 1) or up (-1).
    void SelectBlock(int step);
    // ESC in Auto.
    void Cancel();
    // The machine's reports: a block ran, the run ended.
    void ShowRunLines();
    void ShowRunComplete();
    // The redraw shows the block being carried out and the next one.
    bool blockAdvanced() const { return blockAdvanced_; }

private:
    void LoadCurrentProgram();
    void EndBlockSelection() { selectingBlock_ = false; }

    AutoContext c_;
    // INPUT asked for the start block: the cursor keys move the line the
    // run goes on from, until the run starts, the program is loaded again
    // or ESC.
    bool selectingBlock_ = false;
    // A block ran since the program was loaded or a start block was chosen,
    // so the line index is already past the block being carried out.
    bool blockAdvanced_ = false;
};

}  // namespace zan
