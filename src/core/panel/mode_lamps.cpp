// The key lamps: each is repainted only when it changes. The mode keys'
// lamps follow the mode, the spindle lamps the spindle.

#include "core/panel/panel_lamps.h"

namespace zan {

namespace {

constexpr KeyId kModeKeys[] = {KeyId::EditMode,      KeyId::ManualMode, KeyId::AutoMode,
                               KeyId::ParameterMode, KeyId::OffsetMode, KeyId::DiagnosisMode};

bool NamesAMode(ModeLampType type) { return type >= ModeLampType::Edit && type <= ModeLampType::Diagnosis; }

}  // namespace

void PanelLamps::Set(KeyId key, bool on)
{
    bool& lamp = lamps_[Index(key)];
    if (lamp == on) return;
    lamp = on;
    window_.LampChanged(key, on);
}

// A running or held program keeps the lamps as they are. A mode's lamp
// puts out every other mode lamp, rapid and DRY. The lock switch goes off
// with its lamp: left on unseen, it would keep the tool from being drawn or
// cutting in Manual, and the next DRY would turn it off while seeming to
// turn it on.
void PanelLamps::SetModeLamp(ModeLampType type)
{
    if (machine_.runFlag || On(KeyId::FeedHold)) return;
    if (NamesAMode(type)) {
        for (KeyId key : kModeKeys) Set(key, false);
        // Rapid goes off with its lamp, as the lock switch does: left on
        // unseen, the next rapid press would turn it off while the student
        // means to turn it on.
        Set(KeyId::Rapid, false);
        panel_.rapidOn = false;
        panel_.overrideHighlight = false;
        Set(KeyId::Dry, false);
        bridge_.MachineCommand(MachineLetter::LockOff);
        Set(ModeKey(static_cast<PanelMode>(type)), true);
    }
    switch (type) {
    case ModeLampType::RapidOff: Set(KeyId::Rapid, false); break;
    case ModeLampType::ManualRapid:
        Set(KeyId::ManualMode, true);
        Set(KeyId::Rapid, true);
        break;
    case ModeLampType::CoolantOff: Set(KeyId::Coolant, false); break;
    default: break;
    }
    BringModeLampInLine(type);
}

// The lamp of the current mode (for a mode key, the mode being left) stays
// lit only for a type that belongs to that mode: rapid on and off belong to
// Manual.
void PanelLamps::BringModeLampInLine(ModeLampType type)
{
    const PanelMode mode = panel_.mode;
    if (mode == PanelMode::None) return;
    bool keep = type == ModeLampOf(mode);
    if (mode == PanelMode::Manual) keep = keep || type == ModeLampType::RapidOff || type == ModeLampType::ManualRapid;
    if (!keep) Set(ModeKey(mode), false);
}

// A reset from another mode ends on the Auto screen, with one mode lamp lit.
void PanelLamps::LightAutoLamp()
{
    for (KeyId key : kModeKeys) Set(key, key == KeyId::AutoMode);
}

void PanelLamps::Spindle(SpindleState spindle)
{
    panel_.spindleState = static_cast<int>(spindle);
    Set(KeyId::SpindleForward, spindle == SpindleState::Forward);
    Set(KeyId::SpindleReverse, spindle == SpindleState::Reverse);
}

}  // namespace zan
