// Manual operation from the panel's machine keys: jogging and stepping on
// the four direction keys, the step size, rapid traverse, the feed and rapid
// overrides, the returns to the reference point and to machine zero.

#include <string_view>

#include "core/panel/manual_motion.h"
#include "core/panel/panel_messages.h"

namespace zan {

namespace {

// A direction key: the machine's jog letter, and how one step of `size` mm
// is written into the machine's stepValue. The machine reads a stepValue
// above 50 as a Z move of stepValue - 110 and any other as an X move of
// stepValue on the radius, so X steps (diameters) are halved.
struct DirectionKey {
    KeyId key;
    MachineLetter jog;
    bool zAxis;
    float sign;  // +1 toward the positive axis
};

constexpr DirectionKey kDirectionKeys[] = {
    {KeyId::JogXMinus, MachineLetter::JogXMinus, false, -1.0f},
    {KeyId::JogZMinus, MachineLetter::JogZMinus, true, -1.0f},
    {KeyId::JogZPlus, MachineLetter::JogZPlus, true, 1.0f},
    {KeyId::JogXPlus, MachineLetter::JogXPlus, false, 1.0f},
};

constexpr float kZStepBase = 110.0f;  // Z steps are written as 110 +/- size
constexpr float kRadiusPerDiameter = 0.5f;  // X steps are written on the radius

// Index of a direction key in kDirectionKeys and in the step arm flags.
std::size_t DirectionIndex(KeyId key)
{
    return static_cast<std::size_t>(static_cast<int>(key) - static_cast<int>(KeyId::JogXMinus));
}

float StepValue(const DirectionKey& d, float size)
{
    return d.zAxis ? kZStepBase + d.sign * size : d.sign * kRadiusPerDiameter * size;
}

// The step sizes in mm, largest first: 50, then 10 down to 0.001 by tenths.
constexpr float kLargestStep = 50.0f;
constexpr float kStepAfterLargest = 10.0f;
constexpr float kSmallestStep = 0.001f;
constexpr float kStepRatio = 0.1f;

// Override keys: the step of a press and the bound it stops at (per cent).
struct OverrideKeyInfo {
    KeyId key;
    bool feed;  // feed override, else rapid override
    int step;
    int bound;
};

constexpr int kFeedStep = 10;
constexpr int kFeedMost = 150;
constexpr int kFeedLeast = 0;
constexpr int kRapidStep = 25;
constexpr int kRapidMost = 100;
constexpr int kRapidLeast = 25;

constexpr OverrideKeyInfo kOverrideKeys[] = {
    {KeyId::FeedUp, true, kFeedStep, kFeedMost},
    {KeyId::FeedDown, true, -kFeedStep, kFeedLeast},
    {KeyId::RapidUp, false, kRapidStep, kRapidMost},
    {KeyId::RapidDown, false, -kRapidStep, kRapidLeast},
};

struct ReferenceKeyInfo {
    KeyId key;
    MachineLetter letter;
};

constexpr ReferenceKeyInfo kReferenceKeys[] = {
    {KeyId::XReference, MachineLetter::ReturnX},
    {KeyId::ZReference, MachineLetter::ReturnZ},
    {KeyId::XZero, MachineLetter::ClearX},
    {KeyId::ZZero, MachineLetter::ClearZ},
};

bool OverridesAct(PanelMode mode) { return mode == PanelMode::Manual || mode == PanelMode::Auto; }

}  // namespace

// In jog the key moves while it is held; the second key pad's code starts
// the jog at once and its release code stops it. In step a mouse click
// steps once, on its release; a pad code steps at once.
void ManualMotion::ManualJogKey(KeyId key, KeyPress press)
{
    if (!c_.panel.jogSelector) {
        if (press != KeyPress::PadCode) {
            bool& armed = stepArmed_[DirectionIndex(key)];
            armed = !armed;
            if (armed) return;
        }
        return StepOnce(key);
    }
    if (press == KeyPress::Up) {
        c_.bridge.MachineCommand(MachineLetter::StopJog);
        c_.host.RefreshLcd(ScreenCode::Jogged);
        return;
    }
    StartJog(key);
}

// At feed (rapid off) a feed override of 0 would jog at no speed: refused
// with a message. Rapid jogs whatever the feed override.
void ManualMotion::StartJog(KeyId key)
{
    if (!c_.panel.rapidOn && c_.panel.feedOverride == 0) {
        c_.alerts.Message(msg::kFeedOverrideZero);
        return;
    }
    c_.bridge.MachineCommand(kDirectionKeys[DirectionIndex(key)].jog);
    c_.host.RefreshLcd(ScreenCode::Jogged);
}

void ManualMotion::StepOnce(KeyId key)
{
    c_.machine.stepValue = StepValue(kDirectionKeys[DirectionIndex(key)], c_.panel.stepSize);
    c_.bridge.MachineCommand(MachineLetter::Step);
    c_.host.RefreshLcd(ScreenCode::Jogged);
}

// 10, 1, 0.1, 0.01, 0.001, 50, 10, ... (single precision, as the size is
// kept); only in Manual with the selector at step.
void ManualMotion::StepSizeKey()
{
    if (c_.panel.mode != PanelMode::Manual || c_.panel.jogSelector) return;
    float& size = c_.panel.stepSize;
    if (size == kLargestStep) {
        size = kStepAfterLargest;
    } else {
        size *= kStepRatio;
        if (size < kSmallestStep) size = kLargestStep;
    }
    c_.host.RefreshLcd(ScreenCode::StepSizeOrRapid);
}

// Rapid traverse, Manual only: its lamp and the JOG lamp, and the overrides
// drawn inverse while it is on.
void ManualMotion::RapidKey()
{
    if (c_.panel.mode != PanelMode::Manual) return;
    const bool on = !c_.panel.rapidOn;
    c_.panel.rapidOn = on;
    c_.panel.overrideHighlight = on;
    c_.lamps.SetModeLamp(on ? ModeLampType::ManualRapid : ModeLampType::RapidOff);
    c_.host.RefreshLcd(on ? ScreenCode::HighlightOverrides : ScreenCode::StepSizeOrRapid);
}

// Feed override 0..150 % in tens, rapid override 25..100 % in quarters;
// Manual and Auto only. The machine takes the new factors at once.
void ManualMotion::OverrideKey(KeyId key)
{
    if (!OverridesAct(c_.panel.mode)) return;
    for (const OverrideKeyInfo& o : kOverrideKeys) {
        if (o.key != key) continue;
        int& percent = o.feed ? c_.panel.feedOverride : c_.panel.rapidOverride;
        const bool room = o.step > 0 ? percent < o.bound : percent > o.bound;
        if (room) percent += o.step;
        c_.bridge.MachineCommand(MachineLetter::Overrides);
        if (c_.panel.rapidOn)
            c_.host.RefreshLcd(ScreenCode::HighlightOverrides);
        else
            c_.host.RefreshLcd(o.feed ? ScreenCode::SpindleOrFeed : ScreenCode::CoolantOrRapid);
        return;
    }
}

// The machine ignores a return while a program runs; the read-out is drawn
// where the tool now stands in every case.
void ManualMotion::ReferenceKey(KeyId key)
{
    if (!OverridesAct(c_.panel.mode)) return;
    for (const ReferenceKeyInfo& r : kReferenceKeys) {
        if (r.key != key) continue;
        c_.bridge.MachineCommand(r.letter);
        c_.host.DrawOver(DrawPositionOnly);
        return;
    }
}

// After the checker reported an undefined G or M code the next press is
// swallowed; otherwise it switches Manual between jog and step.
void ManualMotion::StepKey()
{
    if (skipNextStepKey_) {
        skipNextStepKey_ = false;
        return;
    }
    if (c_.panel.mode != PanelMode::Manual) return;
    c_.panel.jogSelector = !c_.panel.jogSelector;
    c_.host.RefreshLcd(ScreenCode::JogStepSwitched);
}

// Outside Manual the jog keys move nothing; the Z keys still redraw the LCD.
void ManualMotion::JogKey(KeyId key, KeyPress press)
{
    if (c_.panel.mode == PanelMode::Manual) return ManualJogKey(key, press);
    if (key == KeyId::JogZMinus || key == KeyId::JogZPlus) c_.host.RefreshLcd(ScreenCode::Jogged);
}

}  // namespace zan
