// Every key of the panel reaches its handler here, whichever road it came
// by: a click on the panel, a code from the second key pad, or a panel
// event the machine forwards (menu commands, Return typed into the editor).
// The key's row names its action; each action goes to the part that owns
// it, or to the panel itself for the modes, ESC and the typing keys.

#include "core/panel/key_table.h"
#include "core/panel/panel.h"

// An action without a case here would be a key that does nothing.
#pragma GCC diagnostic error "-Wswitch"

namespace zan {

void Panel::RunKey(KeyId key, KeyPress press)
{
    if (const KeyInfo* row = FindKey(key)) RunAction(row->action, key, press);
}

void Panel::RunAction(KeyAction action, KeyId key, KeyPress press)
{
    const bool edit = state_.mode == PanelMode::Edit;
    switch (action) {
    case KeyAction::Mode: return SwitchMode(ModeOfKey(key));
    case KeyAction::Esc: return CancelInput();
    case KeyAction::Reset: return ResetKey();
    case KeyAction::Letter: return LetterKey(key);
    case KeyAction::Digit: return DigitKey(key);
    case KeyAction::Input: return InputKey();
    case KeyAction::Enter: return EnterKey();
    case KeyAction::Page: return PageKey(key);
    case KeyAction::CursorUpDown: return CursorUpDownKey(key);
    case KeyAction::Caret: return CaretKey(key);
    // REW and DLE act in Edit only.
    case KeyAction::Rewrite: return edit ? editor_.Rewrite() : void();
    case KeyAction::Delete: return edit ? editor_.Delete() : void();
    case KeyAction::Jog: return motion_.JogKey(key, press);
    case KeyAction::JogOrStep: return motion_.StepKey();
    case KeyAction::StepSize: return motion_.StepSizeKey();
    case KeyAction::Rapid: return motion_.RapidKey();
    case KeyAction::Override: return motion_.OverrideKey(key);
    case KeyAction::Reference: return motion_.ReferenceKey(key);
    case KeyAction::Spindle: return motion_.SpindleKey(key);
    case KeyAction::Coolant: return motion_.CoolantKey();
    case KeyAction::ToolChange: return ToolChangeKey();
    case KeyAction::Handwheel: return HandwheelKey();
    case KeyAction::Lubrication: return;  // the trainer has no lubrication pump
    case KeyAction::LockSwitch: return auto_.LockSwitch();
    case KeyAction::SingleBlock: return auto_.SingleBlock();
    case KeyAction::FeedHold: return auto_.FeedHold();
    case KeyAction::CycleStart: return CycleStartKey();
    }
}

// Jog keys act while held: they report the press as well as the release.
void Panel::KeyDown(KeyId key)
{
    if (IsJogKey(key)) RunKey(key, KeyPress::Down);
}

void Panel::KeyUp(KeyId key) { RunKey(key, KeyPress::Up); }

void Panel::Click(KeyId key)
{
    KeyDown(key);
    KeyUp(key);
}

int Panel::KeyCode(char code)
{
    if (code == kJogReleaseCode) {
        bridge_.MachineCommand(MachineLetter::StopJog);
        RefreshLcd(ScreenCode::Jogged);
        return kCodeDone;
    }
    const KeyInfo* key = FindKeyByCode(code);
    if (key == nullptr) return kCodeUnknown;
    // The pad's jog keys move only in Manual, each code at once.
    if (IsJogKey(key->id)) {
        if (state_.mode != PanelMode::Manual) return kCodeRefused;
        RunKey(key->id, KeyPress::PadCode);
        return kCodeDone;
    }
    RunKey(key->id, KeyPress::Up);
    return kCodeDone;
}

// What the machine forwards: the menu's keys and Return typed into the editor.
void Panel::PressEnter() { RunKey(KeyId::Enter, KeyPress::Up); }
void Panel::PressCycleStart() { RunKey(KeyId::CycleStart, KeyPress::Up); }
void Panel::PressFeedHold() { RunKey(KeyId::FeedHold, KeyPress::Up); }
void Panel::PressRapidFeed() { RunKey(KeyId::Rapid, KeyPress::Up); }

// The menu's spindle command stops a turning spindle and starts a stopped one.
void Panel::PressSpindleToggle(bool spindleRunning)
{
    RunKey(spindleRunning ? KeyId::SpindleStop : KeyId::SpindleForward, KeyPress::Up);
}

}  // namespace zan
