// Every key of the panel reaches its handler here, whichever road it came
// by: a click on the panel, a code from the second key pad, or a panel
// event the machine forwards (menu commands, Return typed into the editor).

#include "core/panel/key_table.h"
#include "core/panel/panel.h"

namespace zan {

// One route per key of the panel; an id that is no key has none.
const Panel::KeyRoute Panel::kRoutes[] = {
    {KeyId::Reset, &Panel::ResetKey},
    {KeyId::G, &Panel::LetterKey},
    {KeyId::M, &Panel::LetterKey},
    {KeyId::X, &Panel::LetterKey},
    {KeyId::Z, &Panel::LetterKey},
    {KeyId::Digit7, &Panel::DigitKey},
    {KeyId::Digit8, &Panel::DigitKey},
    {KeyId::Digit9, &Panel::DigitKey},
    {KeyId::PageUp, &Panel::PageKey},
    {KeyId::S, &Panel::LetterKey},
    {KeyId::T, &Panel::LetterKey},
    {KeyId::U, &Panel::LetterKey},
    {KeyId::W, &Panel::LetterKey},
    {KeyId::Digit4, &Panel::DigitKey},
    {KeyId::Digit5, &Panel::DigitKey},
    {KeyId::Digit6, &Panel::DigitKey},
    {KeyId::PageDown, &Panel::PageKey},
    {KeyId::CursorUp, &Panel::CursorUpDownKey},
    {KeyId::F, &Panel::LetterKey},
    {KeyId::I, &Panel::LetterKey},
    {KeyId::K, &Panel::LetterKey},
    {KeyId::Digit1, &Panel::DigitKey},
    {KeyId::Digit2, &Panel::DigitKey},
    {KeyId::Digit3, &Panel::DigitKey},
    {KeyId::CursorLeft, &Panel::CaretKey},
    {KeyId::CursorDown, &Panel::CursorUpDownKey},
    {KeyId::CursorRight, &Panel::CaretKey},
    {KeyId::D, &Panel::LetterKey},
    {KeyId::R, &Panel::LetterKey},
    {KeyId::Point, &Panel::DigitKey},
    {KeyId::Digit0, &Panel::DigitKey},
    {KeyId::Minus, &Panel::DigitKey},
    {KeyId::Dry, &Panel::LockSwitchKey},
    {KeyId::Single, &Panel::SingleBlockKey},
    {KeyId::StepKey, &Panel::StepKey},
    {KeyId::Rewrite, &Panel::RewriteKey},
    {KeyId::Delete, &Panel::DeleteKey},
    {KeyId::Esc, &Panel::EscKey},
    {KeyId::Input, &Panel::InputKeyPressed},
    {KeyId::Enter, &Panel::EnterKeyPressed},
    {KeyId::EditMode, &Panel::ModeKeyPressed},
    {KeyId::ManualMode, &Panel::ModeKeyPressed},
    {KeyId::AutoMode, &Panel::ModeKeyPressed},
    {KeyId::ParameterMode, &Panel::ModeKeyPressed},
    {KeyId::OffsetMode, &Panel::ModeKeyPressed},
    {KeyId::DiagnosisMode, &Panel::ModeKeyPressed},
    {KeyId::SpindleForward, &Panel::SpindleKey},
    {KeyId::SpindleStop, &Panel::SpindleKey},
    {KeyId::SpindleReverse, &Panel::SpindleKey},
    {KeyId::XReference, &Panel::ReferenceKey},
    {KeyId::XZero, &Panel::ReferenceKey},
    {KeyId::RapidUp, &Panel::OverrideKey},
    {KeyId::FeedUp, &Panel::OverrideKey},
    {KeyId::Coolant, &Panel::CoolantKey},
    {KeyId::Lubrication, &Panel::LubricationKey},
    {KeyId::ToolChange, &Panel::ToolChangeKey},
    {KeyId::ZReference, &Panel::ReferenceKey},
    {KeyId::ZZero, &Panel::ReferenceKey},
    {KeyId::RapidDown, &Panel::OverrideKey},
    {KeyId::FeedDown, &Panel::OverrideKey},
    {KeyId::JogXMinus, &Panel::JogKey},
    {KeyId::JogZMinus, &Panel::JogKey},
    {KeyId::JogZPlus, &Panel::JogKey},
    {KeyId::JogXPlus, &Panel::JogKey},
    {KeyId::Rapid, &Panel::RapidKey},
    {KeyId::HandwheelX, &Panel::HandwheelKey},
    {KeyId::StepSize, &Panel::StepSizeKey},
    {KeyId::HandwheelZ, &Panel::HandwheelKey},
    {KeyId::FeedHold, &Panel::FeedHoldKey},
    {KeyId::CycleStart, &Panel::CycleStartKey},
};

const Panel::KeyRoute* Panel::RouteOf(KeyId key)
{
    for (const KeyRoute& route : kRoutes)
        if (route.key == key) return &route;
    return nullptr;
}

void Panel::RunKey(KeyId key, KeyPress press)
{
    const KeyRoute* route = RouteOf(key);
    if (route != nullptr) (this->*route->handler)(key, press);
}

// Jog keys act while held: they report the press as well as the release.
void Panel::KeyDown(KeyId key)
{
    if (IsJogKey(key)) RunKey(key, KeyPress::Down);
}

void Panel::KeyUp(KeyId key) { RunKey(key, KeyPress::Up); }

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
