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
    case PanelMode::Offset: HideFields(kListInputFields); break;
    default: break;
    }
}

// Closes an open program: the checker looks it over first, and it is saved.
void Panel::CancelEdit()
{
    if (state_.programOpen) RunChecker();
    HideFields(kAllFields);
    EraseLine(kEditPromptLine.x, kEditPromptLine.y, kEditPromptLine.cells);
    if (state_.programOpen) SaveProgram();
    state_.programOpen = false;
}

void Panel::CancelManual()
{
    HideFields(kAllFields);
    EraseLine(kManualInputLine.x, kManualInputLine.y, kManualInputLine.cells);
    state_.entryState = EntryState::None;
    state_.moveArmed = false;
}

// ESC on a held program aborts it: the machine resets and the program is
// loaded again from the start. ESC also ends the choice of the start
// block, and the title loses its question.
void Panel::CancelAuto()
{
    if (LampOn(KeyId::FeedHold)) {
        bridge_.PanelEvent(PanelEventCode::Reset);
        SetLamp(KeyId::FeedHold, false);
        SetLamp(KeyId::CycleStart, false);
        LoadProgramForRun();
    }
    HideFields(kPromptField);
    if (SelectingBlock()) {
        EndBlockSelection();
        RefreshLcd(ScreenCode::Auto);
    }
}

void Panel::HideFields(std::span<const FieldId> ids)
{
    for (FieldId id : ids) PlaceField(id, kHiddenField);
}

// Text is drawn opaque, so spaces clear the line.
void Panel::EraseLine(int x, int y, int cells)
{
    screen_.Text(x, y, std::string(static_cast<std::size_t>(cells), ' '));
    ports_.window.ScreenChanged(screen_, false);
}

}  // namespace zan
