// ESC: cancel the input of the current mode. The mode keys run it for the
// mode they leave.

#include "core/panel/field_places.h"
#include "core/panel/panel.h"

namespace zan {

namespace {

// The line of the edit-mode prompt, cleared when its input is cancelled.
constexpr LcdLine kEditPromptLine{23, 170, 22};  // (23,170)-(150,182)

// The fields of the parameter and offset screens' input; the editor, which
// holds an offset being typed, is not among them.
constexpr FieldId kListInputFields[] = {FieldId::Entry, FieldId::Prompt, FieldId::BlockLine1, FieldId::BlockLine2};
constexpr FieldId kPromptField[] = {FieldId::Prompt};

}  // namespace

void Panel::EscKey(KeyId, KeyPress) { CancelInput(); }

void Panel::CancelInput()
{
    state_.entryPending = false;
    switch (state_.mode) {
    case PanelMode::Edit: CancelEdit(); break;
    case PanelMode::Manual: CancelManual(); break;
    case PanelMode::Auto: CancelAuto(); break;
    case PanelMode::Parameter:
    case PanelMode::Offset: fields_.Hide(kListInputFields); break;
    default: break;
    }
}

// Closes an open program: the checker looks it over first, and it is saved.
void Panel::CancelEdit()
{
    if (state_.programOpen) RunChecker();
    fields_.Hide(kAllFields);
    lcd_.Erase(kEditPromptLine);
    if (state_.programOpen) SaveProgram();
    state_.programOpen = false;
}

void Panel::CancelManual()
{
    fields_.Hide(kAllFields);
    lcd_.Erase(kManualInputLine);
    state_.entryState = EntryState::None;
    state_.moveArmed = false;
}

// ESC on a held program aborts it: the machine resets and the program is
// loaded again from the start. ESC also ends the choice of the start
// block, and the title loses its question.
void Panel::CancelAuto()
{
    if (lamps_.On(KeyId::FeedHold)) {
        bridge_.PanelEvent(PanelEventCode::Reset);
        lamps_.Set(KeyId::FeedHold, false);
        lamps_.Set(KeyId::CycleStart, false);
        LoadProgramForRun();
    }
    fields_.Hide(kPromptField);
    if (SelectingBlock()) {
        EndBlockSelection();
        RefreshLcd(ScreenCode::Auto);
    }
}

}  // namespace zan
