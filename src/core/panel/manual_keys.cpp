// Manual operation from the panel's machine keys: jogging and stepping on
// the four direction keys, the step size, rapid traverse, the feed and rapid
// overrides, the returns to the reference point and to machine zero, and
// the moves typed in Manual, which cycle start carries out.

#include <string_view>

#include "core/panel/panel.h"
#include "core/panel/panel_messages.h"
#include "core/text/typed_value.h"

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
constexpr float kRadiusPerDiameter = 0.5f;

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
void Panel::ManualJogKey(KeyId key, KeyPress press)
{
    if (!state_.jogSelector) {
        if (press != KeyPress::PadCode) {
            bool& armed = state_.stepArmed[DirectionIndex(key)];
            armed = !armed;
            if (armed) return;
        }
        return StepOnce(key);
    }
    if (press == KeyPress::Up) {
        bridge_.MachineCommand(MachineLetter::StopJog);
        RefreshLcd(ScreenCode::Jogged);
        return;
    }
    StartJog(key);
}

// At feed (rapid off) a feed override of 0 would jog at no speed: refused
// with a message. Rapid jogs whatever the feed override.
void Panel::StartJog(KeyId key)
{
    if (!state_.rapidOn && state_.feedOverride == 0) {
        ports_.alerts.Message(msg::kFeedOverrideZero);
        return;
    }
    bridge_.MachineCommand(kDirectionKeys[DirectionIndex(key)].jog);
    RefreshLcd(ScreenCode::Jogged);
}

void Panel::StepOnce(KeyId key)
{
    lathe_.state.stepValue = StepValue(kDirectionKeys[DirectionIndex(key)], state_.stepSize);
    bridge_.MachineCommand(MachineLetter::Step);
    RefreshLcd(ScreenCode::Jogged);
}

// 10, 1, 0.1, 0.01, 0.001, 50, 10, ... (single precision, as the size is
// kept); only in Manual with the selector at step.
void Panel::StepSizeKey(KeyId, KeyPress)
{
    if (state_.mode != PanelMode::Manual || state_.jogSelector) return;
    float& size = state_.stepSize;
    if (size == kLargestStep) {
        size = kStepAfterLargest;
    } else {
        size *= kStepRatio;
        if (size < kSmallestStep) size = kLargestStep;
    }
    RefreshLcd(ScreenCode::StepSizeOrRapid);
}

// Rapid traverse, Manual only: its lamp and the JOG lamp, and the overrides
// drawn inverse while it is on.
void Panel::RapidKey(KeyId, KeyPress)
{
    if (state_.mode != PanelMode::Manual) return;
    const bool on = !state_.rapidOn;
    state_.rapidOn = on;
    state_.overrideHighlight = on;
    lamps_.SetModeLamp(on ? ModeLampType::ManualRapid : ModeLampType::RapidOff);
    RefreshLcd(on ? ScreenCode::HighlightOverrides : ScreenCode::StepSizeOrRapid);
}

// Feed override 0..150 % in tens, rapid override 25..100 % in quarters;
// Manual and Auto only. The machine takes the new factors at once.
void Panel::OverrideKey(KeyId key, KeyPress)
{
    if (!OverridesAct(state_.mode)) return;
    for (const OverrideKeyInfo& o : kOverrideKeys) {
        if (o.key != key) continue;
        int& percent = o.feed ? state_.feedOverride : state_.rapidOverride;
        const bool room = o.step > 0 ? percent < o.bound : percent > o.bound;
        if (room) percent += o.step;
        bridge_.MachineCommand(MachineLetter::Overrides);
        if (state_.rapidOn)
            RefreshLcd(ScreenCode::HighlightOverrides);
        else
            RefreshLcd(o.feed ? ScreenCode::SpindleOrFeed : ScreenCode::CoolantOrRapid);
        return;
    }
}

// The machine ignores a return while a program runs; the read-out is drawn
// where the tool now stands in every case.
void Panel::ReferenceKey(KeyId key, KeyPress)
{
    if (!OverridesAct(state_.mode)) return;
    for (const ReferenceKeyInfo& r : kReferenceKeys) {
        if (r.key != key) continue;
        bridge_.MachineCommand(r.letter);
        DrawOver(DrawPositionOnly);
        return;
    }
}

// The target is where the read-out (machine position + origin + display
// offset, X as a diameter) shows the typed value; U and W move by it. Only
// a move that ENTER armed, in the command on the screen, runs.
bool Panel::RunTypedMove()
{
    const EntryState move = state_.entryState;
    const bool isMove = move == EntryState::MoveZ || move == EntryState::MoveX || move == EntryState::MoveU ||
                        move == EntryState::MoveW;
    if (!isMove || !state_.moveArmed) return false;
    const double v = ReadTyped(state_.entryText).value;
    state_.moveArmed = false;
    state_.entryPending = false;
    CancelManual();
    const LatheState& m = lathe_.state;
    float z = m.posZ;
    float x = m.posX;
    switch (move) {
    case EntryState::MoveZ: z = static_cast<float>(v - m.originZ - state_.displayOffsetZ); break;
    case EntryState::MoveX: x = static_cast<float>(v * kRadiusPerDiameter - m.originX - state_.displayOffsetX); break;
    case EntryState::MoveU: x = static_cast<float>(v * kRadiusPerDiameter + m.posX); break;
    case EntryState::MoveW: z = static_cast<float>(v + m.posZ); break;
    default: break;
    }
    bridge_.RapidMoveDirect(z, x);
    state_.entryState = EntryState::None;
    RefreshLcd(ScreenOf(state_.mode));
    state_.entryText.clear();
    return true;
}

}  // namespace zan
