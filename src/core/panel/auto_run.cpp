// Running the current program from the panel: the AUTO key loads it, cycle
// start starts (or resumes) it, feed hold holds it, and the machine reports
// each block and the end of the run.

#include <string>

#include "core/files/program_file.h"
#include "core/files/program_load.h"
#include "core/panel/auto_run.h"
#include "core/panel/lcd_mode_screens.h"
#include "core/panel/panel_messages.h"
#include "core/programs/program_store.h"

namespace zan {

namespace {

constexpr int kCompleteX = 148;  // "运行完毕" on the title row

}  // namespace

// The current program goes into the (hidden) editor field and the
// machine's line table. A program that cannot be read leaves the table
// empty, so nothing of an earlier program runs by mistake.
void AutoRun::LoadCurrentProgram()
{
    EndBlockSelection();
    blockAdvanced_ = false;
    c_.fields.Hide(FieldId::Editor);
    const std::string name = ProgramFileName(c_.panel.currentProgram);
    ProgramLoad program;  // no program number, no text
    if (!name.empty()) program = LoadProgramFile(c_.programs.File(name));
    if (!program.text) {
        c_.alerts.Message(msg::kCannotOpenProgram);
        c_.bridge.LoadProgram({});
        return;
    }
    c_.fields.SetEditorText(EditorTextOf(*program.text));
    c_.bridge.LoadProgram(*program.text);
    // The lines past the table's last row never run: the student is told,
    // so that a run ending before its M30 does not pass for a whole one.
    if (program.linesLeftOut) c_.alerts.Message(kTooManyLinesMessage);
}

// Cycle start acts only in Auto with no run in progress (the panel has
// given a move typed in Manual its turn first); it also resumes a held run
// from the block where it stopped, and starts one from a chosen block.
void AutoRun::CycleStart()
{
    if (c_.panel.mode != PanelMode::Auto || c_.machine.runFlag) return;
    EndBlockSelection();
    c_.lamps.Set(KeyId::CycleStart, true);
    c_.lamps.Set(KeyId::FeedHold, false);
    c_.bridge.MachineCommand(MachineLetter::CycleStart);
    c_.host.RefreshLcd(ScreenCode::Auto);
}

// Feed hold stops the run in any mode; its lamp lights only for a started program.
void AutoRun::FeedHold()
{
    if (c_.lamps.On(KeyId::CycleStart)) c_.lamps.Set(KeyId::FeedHold, true);
    c_.bridge.MachineCommand(MachineLetter::FeedHold);
    c_.host.RefreshLcd(ScreenOf(c_.panel.mode));
}

// After each block, before the machine moves its line index on.
void AutoRun::ShowRunLines()
{
    c_.host.DrawOver(DrawRunDisplay);
    blockAdvanced_ = true;
}

// The end of a run (or a reset): the program is loaded again for the next
// cycle start, and "运行完毕" shows unless the run is held.
void AutoRun::ShowRunComplete()
{
    c_.host.DrawOver(DrawPositionOnly);
    Enter();
    if (!c_.lamps.On(KeyId::FeedHold)) {
        c_.host.RefreshLcd(ScreenCode::RepaintArea);
        c_.lcd.Show(kCompleteX, kTitleY, "运行完毕", LcdVideo::Inverse);
    }
    c_.lamps.Set(KeyId::CycleStart, false);
    c_.lamps.Set(KeyId::Dry, false);
}

void AutoRun::Enter()
{
    c_.lamps.LightAutoLamp();
    c_.panel.mode = PanelMode::Auto;
    c_.panel.programOpen = false;
    if (c_.panel.painting) return;
    LoadCurrentProgram();
    c_.host.RefreshLcd(ScreenCode::Auto);
}

// ESC on a held program aborts it: the machine resets and the program is
// loaded again from the start. ESC also ends the choice of the start
// block, and the title loses its question.
void AutoRun::Cancel()
{
    if (c_.lamps.On(KeyId::FeedHold)) {
        c_.bridge.PanelEvent(PanelEventCode::Reset);
        c_.lamps.Set(KeyId::FeedHold, false);
        c_.lamps.Set(KeyId::CycleStart, false);
        Enter();
    }
    c_.fields.Hide(FieldId::Prompt);
    if (SelectingBlock()) {
        EndBlockSelection();
        c_.host.RefreshLcd(ScreenCode::Auto);
    }
}

}  // namespace zan
