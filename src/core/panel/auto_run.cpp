// Running the current program from the panel: the AUTO key loads it, cycle
// start starts (or resumes) it, feed hold holds it, and the machine reports
// each block and the end of the run.

#include <string>

#include "core/files/program_file.h"
#include "core/files/program_load.h"
#include "core/panel/panel.h"
#include "core/panel/panel_messages.h"
#include "core/programs/program_store.h"

namespace zan {

namespace {

constexpr int kCompleteX = 148;  // "运行完毕" on the title row
constexpr int kTitleY = 45;

}  // namespace

// The current program goes into the (hidden) editor field and the
// machine's line table. A program that cannot be read leaves the table
// empty, so nothing of an earlier program runs by mistake.
void Panel::LoadCurrentProgram()
{
    EndBlockSelection();
    state_.blockAdvanced = false;
    fields_.Place(FieldId::Editor, kHiddenField);
    const std::string name = ProgramFileName(state_.currentProgram);
    ProgramLoad program;  // no program number, no text
    if (!name.empty()) program = LoadProgramFile(programs_.File(name));
    if (!program.text) {
        ports_.alerts.Message(msg::kCannotOpenProgram);
        bridge_.LoadProgram({});
        return;
    }
    fields_.SetEditorText(EditorTextOf(*program.text));
    bridge_.LoadProgram(*program.text);
    // The lines past the table's last row never run: the student is told,
    // so that a run ending before its M30 does not pass for a whole one.
    if (program.linesLeftOut) ports_.alerts.Message(kTooManyLinesMessage);
}

// Cycle start carries out a move typed in Manual, in any mode. Otherwise it
// acts only in Auto with no run in progress; it also resumes a held run
// from the block where it stopped, and starts one from a chosen block.
void Panel::CycleStartKey(KeyId, KeyPress)
{
    if (RunTypedMove()) return;
    if (state_.mode != PanelMode::Auto || lathe_.state.runFlag) return;
    EndBlockSelection();
    lamps_.Set(KeyId::CycleStart, true);
    lamps_.Set(KeyId::FeedHold, false);
    bridge_.MachineCommand(MachineLetter::CycleStart);
    RefreshLcd(ScreenCode::Auto);
}

// Feed hold stops the run in any mode; its lamp lights only for a started program.
void Panel::FeedHoldKey(KeyId, KeyPress)
{
    if (lamps_.On(KeyId::CycleStart)) lamps_.Set(KeyId::FeedHold, true);
    bridge_.MachineCommand(MachineLetter::FeedHold);
    RefreshLcd(ScreenOf(state_.mode));
}

// After each block, before the machine moves its line index on.
void Panel::ShowRunLines()
{
    DrawOver(DrawRunDisplay);
    state_.blockAdvanced = true;
}

// The end of a run (or a reset): the program is loaded again for the next
// cycle start, and "运行完毕" shows unless the run is held.
void Panel::ShowRunComplete()
{
    DrawOver(DrawPositionOnly);
    LoadProgramForRun();
    if (!lamps_.On(KeyId::FeedHold)) {
        RefreshLcd(ScreenCode::RepaintArea);
        lcd_.Show(kCompleteX, kTitleY, "运行完毕", LcdVideo::Inverse);
    }
    lamps_.Set(KeyId::CycleStart, false);
    lamps_.Set(KeyId::Dry, false);
}

}  // namespace zan
