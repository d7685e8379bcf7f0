// The key lamps: each is repainted only when it changes. The mode keys'
// lamps follow the mode, the spindle lamps the spindle.

#include "core/panel/panel.h"

namespace zan {

namespace {

constexpr KeyId kModeKeys[] = {KeyId::EditMode,      KeyId::ManualMode, KeyId::AutoMode,
                               KeyId::ParameterMode, KeyId::OffsetMode, KeyId::DiagnosisMode};

bool NamesAMode(ModeLampType type) { return type >= ModeLampType::Edit && type <= ModeLampType::Diagnosis; }

}  // namespace

void Panel::SetLamp(KeyId key, bool on)
{
    bool& lamp = lamps_[static_cast<std::size_t>(static_cast<int>(key) - kFirstKeyId)];
    if (lamp == on) return;
    lamp = on;
    ports_.window.LampChanged(key, on);
}

// A running or held program keeps the lamps as they are. A mode's lamp
// puts out every other mode lamp, rapid and DRY. The lock switch goes off
// with its lamp: left on unseen, it would keep the tool from being drawn or
// cutting in Manual, and the next DRY would turn it off while seeming to
// turn it on.
void Panel::SetModeLamp(ModeLampType type)
{
    if (lathe_.state.runFlag || LampOn(KeyId::FeedHold)) return;
    if (NamesAMode(type)) {
        for (KeyId key : kModeKeys) SetLamp(key, false);
        // Rapid goes off with its lamp, as the lock switch does: left on
        // unseen, the next rapid press would turn it off while the student
        // means to turn it on.
        SetLamp(KeyId::Rapid, false);
        state_.rapidOn = false;
        state_.overrideHighlight = false;
        SetLamp(KeyId::Dry, false);
        bridge_.MachineCommand(MachineLetter::LockOff);
        SetLamp(ModeKey(static_cast<PanelMode>(type)), true);
    }
    switch (type) {
    case ModeLampType::RapidOff: SetLamp(KeyId::Rapid, false); break;
    case ModeLampType::ManualRapid:
        SetLamp(KeyId::ManualMode, true);
        SetLamp(KeyId::Rapid, true);
        break;
    case ModeLampType::CoolantOff: SetLamp(KeyId::Coolant, false); break;
    default: break;
    }
    BringModeLampInLine(type);
}

// The lamp of the current mode (for a mode key, the mode being left) stays
// lit only for a type that belongs to that mode: rapid on and off belong to
// Manual.
void Panel::BringModeLampInLine(ModeLampType type)
{
    const PanelMode mode = state_.mode;
    if (mode == PanelMode::None) return;
    bool keep = type == ModeLampOf(mode);
    if (mode == PanelMode::Manual) keep = keep || type == ModeLampType::RapidOff || type == ModeLampType::ManualRapid;
    if (!keep) SetLamp(ModeKey(mode), false);
}

// Entering Auto lights its lamp and puts out the others: a reset from
// another mode ends on the Auto screen, with one mode lamp lit.
void Panel::LightAutoLamp()
{
    for (KeyId key : kModeKeys) SetLamp(key, key == KeyId::AutoMode);
}

// The panel's spindle indication and its two lamps.
void Panel::SpindleLamps(SpindleState spindle)
{
    state_.spindleState = static_cast<int>(spindle);
    SetLamp(KeyId::SpindleForward, spindle == SpindleState::Forward);
    SetLamp(KeyId::SpindleReverse, spindle == SpindleState::Reverse);
}

}  // namespace zan
