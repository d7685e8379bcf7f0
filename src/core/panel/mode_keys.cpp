// The six mode keys: EDIT, JOG, AUTO, PAR, OFT and DGN, and ESC, which
// cancels the input of the current mode (the mode keys run it for the mode
// they leave).

#include "core/nc/checker.h"
#include "core/panel/field_places.h"
#include "core/panel/panel.h"

namespace zan {

namespace {

// The fields of the parameter and offset screens' input; the editor, which
// holds an offset being typed, is not among them.
constexpr FieldId kListInputFields[] = {FieldId::Entry, FieldId::Prompt, FieldId::BlockLine1, FieldId::BlockLine2};

}  // namespace

// The checker only advises: the mode changes whatever it reports. A
// program open in Edit is checked by the cancel of Edit, where that runs:
// the student sees its message once.
void Panel::SwitchMode(PanelMode next)
{
    const bool checkedOnCancel = state_.mode == PanelMode::Edit && state_.programOpen &&
                                 next != PanelMode::Manual && next != PanelMode::Auto;
    if (next != PanelMode::Edit && !checkedOnCancel) RunChecker();
    if (ModeKeyRefused(next)) return;
    lamps_.SetModeLamp(ModeLampOf(next));
    LeaveInputState(next);
    state_.mode = next;
    state_.programOpen = false;
    // The diagnosis screen leaves the editor where it is.
    if (next != PanelMode::Diagnosis) fields_.Hide(FieldId::Editor);
    if (next == PanelMode::Auto)
        auto_.Enter();
    else
        RefreshLcd(ScreenOf(next));
}

// A held program may only be resumed or aborted in Auto; an open program is
// closed by leaving Edit, not by entering it again.
bool Panel::ModeKeyRefused(PanelMode next) const
{
    if (next != PanelMode::Auto && lamps_.On(KeyId::FeedHold)) return true;
    return next == PanelMode::Edit && state_.programOpen;
}

void Panel::LeaveInputState(PanelMode next)
{
    switch (next) {
    case PanelMode::Auto:
        // The loaded program takes the fields over. A Manual command ends
        // here, though: a move armed there must not wait on the Auto screen
        // for cycle start, nor the reference question pass for the choice
        // of a start block.
        if (state_.mode == PanelMode::Manual) manual_.Cancel();
        return;
    case PanelMode::Manual:
        // JOG keeps the program open in the editor itself, then cancels
        // the input as Manual does.
        if (state_.programOpen) editor_.SaveProgram();
        state_.mode = PanelMode::Manual;
        state_.programOpen = false;
        CancelInput();
        return;
    default: CancelInput(); return;  // as ESC in the mode being left
    }
}

// The checker reads the editor's text; after an undefined G or M code the
// next step key is ignored.
void Panel::RunChecker()
{
    const CheckReport report = CheckProgram(fields_.io().Text(FieldId::Editor));
    if (!report.message.empty()) ports_.alerts.Message(report.message);
    if (report.skipNextStepKey) motion_.SkipNextStepKey();
}

void Panel::CancelInput()
{
    switch (state_.mode) {
    case PanelMode::Edit:
        // An open program is looked over by the checker before it is saved.
        if (state_.programOpen) RunChecker();
        return editor_.Cancel();
    case PanelMode::Manual: return manual_.Cancel();
    case PanelMode::Auto: return auto_.Cancel();
    case PanelMode::Parameter:
    case PanelMode::Offset: return fields_.Hide(kListInputFields);
    default: return;
    }
}

}  // namespace zan
