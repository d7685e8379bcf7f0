#include "core/panel/key_table.h"

#include <algorithm>
#include <cmath>

namespace zan {

namespace {

// One row per key: place, face, name, code, lamp and what the panel does
// with it.
constexpr KeyInfo kPanelKeys[] = {
    {KeyId::Reset, {189, 26, 22, 17}, 203, "reset (\"//\")", '\0', false, KeyAction::Reset},
    {KeyId::G, {213, 26, 22, 17}, 204, "G", '\0', false, KeyAction::Letter},
    {KeyId::M, {237, 26, 21, 17}, 205, "M", 'm', false, KeyAction::Letter},
    {KeyId::X, {261, 26, 22, 17}, 206, "X", 'x', false, KeyAction::Letter},
    {KeyId::Z, {286, 26, 22, 17}, 207, "Z", 'z', false, KeyAction::Letter},
    {KeyId::Digit7, {322, 26, 22, 17}, 208, "7", '\0', false, KeyAction::Digit},
    {KeyId::Digit8, {349, 26, 22, 17}, 209, "8", '\0', false, KeyAction::Digit},
    {KeyId::Digit9, {376, 26, 22, 17}, 210, "9", '\0', false, KeyAction::Digit},
    {KeyId::PageUp, {189, 46, 22, 17}, 195, "page up", '\0', false, KeyAction::Page},
    {KeyId::S, {213, 46, 22, 17}, 196, "S", 's', false, KeyAction::Letter},
    {KeyId::T, {237, 46, 22, 17}, 197, "T", 't', false, KeyAction::Letter},
    {KeyId::U, {261, 46, 22, 17}, 198, "U, /", 'u', false, KeyAction::Letter},
    {KeyId::W, {286, 46, 22, 17}, 199, "W, E", 'w', false, KeyAction::Letter},
    {KeyId::Digit4, {322, 46, 22, 17}, 200, "4", '\0', false, KeyAction::Digit},
    {KeyId::Digit5, {349, 46, 22, 17}, 201, "5", '\0', false, KeyAction::Digit},
    {KeyId::Digit6, {376, 46, 21, 17}, 202, "6", '\0', false, KeyAction::Digit},
    {KeyId::PageDown, {189, 67, 22, 17}, 187, "page down", '\0', false, KeyAction::Page},
    {KeyId::CursorUp, {213, 67, 22, 17}, 188, "cursor up", '\0', false, KeyAction::CursorUpDown},
    {KeyId::F, {237, 67, 22, 17}, 189, "F", 'f', false, KeyAction::Letter},
    {KeyId::I, {261, 67, 22, 17}, 190, "I, P", 'i', false, KeyAction::Letter},
    {KeyId::K, {286, 67, 22, 17}, 191, "K, N", 'k', false, KeyAction::Letter},
    {KeyId::Digit1, {322, 67, 22, 17}, 192, "1", '\0', false, KeyAction::Digit},
    {KeyId::Digit2, {349, 67, 22, 17}, 193, "2", '\0', false, KeyAction::Digit},
    {KeyId::Digit3, {376, 67, 22, 17}, 194, "3", '\0', false, KeyAction::Digit},
    {KeyId::CursorLeft, {189, 88, 22, 17}, 179, "cursor left", '\0', false, KeyAction::Caret},
    {KeyId::CursorDown, {213, 88, 22, 17}, 180, "cursor down", '\0', false, KeyAction::CursorUpDown},
    {KeyId::CursorRight, {238, 88, 22, 17}, 181, "cursor right", '\0', false, KeyAction::Caret},
    {KeyId::D, {262, 88, 21, 17}, 182, "D, L", 'd', false, KeyAction::Letter},
    {KeyId::R, {286, 88, 22, 17}, 183, "R, space", 'r', false, KeyAction::Letter},
    {KeyId::Point, {322, 88, 22, 17}, 184, "decimal point", '\0', false, KeyAction::Digit},
    {KeyId::Digit0, {349, 88, 22, 17}, 185, "0", '\0', false, KeyAction::Digit},
    {KeyId::Minus, {376, 88, 22, 17}, 186, "minus", '\0', false, KeyAction::Digit},
    {KeyId::Dry, {189, 112, 25, 18}, 211, "空运行 DRY", '5', true, KeyAction::LockSwitch},
    {KeyId::Single, {216, 112, 25, 18}, 212, "单段 SINGLE", '6', false, KeyAction::SingleBlock},
    {KeyId::StepKey, {243, 112, 24, 18}, 213, "单步 step", '7', false, KeyAction::JogOrStep},
    {KeyId::Rewrite, {269, 112, 25, 18}, 214, "改写 REW", '0', false, KeyAction::Rewrite},
    {KeyId::Delete, {295, 112, 25, 18}, 215, "删除 DLE", 'A', false, KeyAction::Delete},
    {KeyId::Esc, {322, 112, 24, 18}, 218, "退出 ESC", 'B', false, KeyAction::Esc},
    {KeyId::Input, {347, 112, 25, 18}, 216, "输入 INPUT", 'C', false, KeyAction::Input},
    {KeyId::Enter, {374, 112, 24, 18}, 217, "回车 ENTER", 'D', false, KeyAction::Enter},
    {KeyId::EditMode, {209, 139, 22, 17}, 173, "编辑 EDIT", 'F', true, KeyAction::Mode},
    {KeyId::ManualMode, {238, 139, 22, 17}, 174, "手动 JOG", 'G', true, KeyAction::Mode},
    {KeyId::AutoMode, {266, 139, 22, 17}, 175, "自动 AUTO", 'H', true, KeyAction::Mode},
    {KeyId::ParameterMode, {297, 139, 22, 17}, 176, "参数 PAR", 'I', true, KeyAction::Mode},
    {KeyId::OffsetMode, {327, 139, 22, 17}, 177, "刀补 OFT", 'J', true, KeyAction::Mode},
    {KeyId::DiagnosisMode, {358, 139, 22, 17}, 178, "诊断 DGN", 'K', true, KeyAction::Mode},
    {KeyId::SpindleForward, {12, 166, 22, 18}, 131, "spindle forward", '\0', true, KeyAction::Spindle},
    {KeyId::SpindleStop, {35, 166, 22, 18}, 135, "spindle stop", '\0', false, KeyAction::Spindle},
    {KeyId::SpindleReverse, {59, 166, 22, 17}, 136, "spindle reverse", '\0', true, KeyAction::Spindle},
    {KeyId::XReference, {87, 166, 22, 17}, 137, "X to reference point", '\0', false, KeyAction::Reference, 2},
    {KeyId::XZero, {111, 166, 22, 17}, 144, "X to machine zero", '\0', false, KeyAction::Reference, 2},
    {KeyId::RapidUp, {138, 166, 22, 17}, 145, "rapid override up", '\0', false, KeyAction::Override},
    {KeyId::FeedUp, {162, 166, 22, 17}, 146, "feed override up", '\0', false, KeyAction::Override, 2},
    {KeyId::Coolant, {12, 185, 22, 17}, 147, "coolant", '\0', true, KeyAction::Coolant},
    {KeyId::Lubrication, {36, 185, 22, 17}, 148, "lubrication", '\0', false, KeyAction::Lubrication},
    {KeyId::ToolChange, {60, 185, 22, 17}, 149, "tool change", '\0', false, KeyAction::ToolChange},
    {KeyId::ZReference, {87, 185, 22, 17}, 150, "Z to reference point", '\0', false, KeyAction::Reference},
    {KeyId::ZZero, {112, 185, 22, 17}, 151, "Z to machine zero", '\0', false, KeyAction::Reference},
    {KeyId::RapidDown, {138, 185, 22, 17}, 152, "rapid override down", '\0', false, KeyAction::Override},
    {KeyId::FeedDown, {162, 185, 22, 17}, 153, "feed override down", '\0', false, KeyAction::Override},
    {KeyId::JogXMinus, {224, 165, 22, 17}, 155, "X− (up)", '1', false, KeyAction::Jog},
    {KeyId::JogZMinus, {199, 175, 22, 17}, 154, "Z− (left)", '2', false, KeyAction::Jog},
    {KeyId::JogZPlus, {249, 175, 22, 17}, 156, "Z+ (right)", '3', false, KeyAction::Jog},
    {KeyId::JogXPlus, {224, 185, 22, 17}, 167, "X+ (down)", '4', false, KeyAction::Jog},
    {KeyId::Rapid, {285, 165, 22, 17}, 172, "rapid traverse", 'a', true, KeyAction::Rapid},
    {KeyId::HandwheelX, {321, 165, 22, 17}, 168, "handwheel X", '\0', false, KeyAction::Handwheel},
    {KeyId::StepSize, {286, 185, 22, 17}, 158, "step size", 'E', false, KeyAction::StepSize},
    {KeyId::HandwheelZ, {322, 185, 22, 17}, 159, "handwheel Z", '\0', false, KeyAction::Handwheel},
    {KeyId::FeedHold, {358, 165, 22, 17}, 165, "feed hold", '8', true, KeyAction::FeedHold},
    {KeyId::CycleStart, {358, 185, 22, 17}, 160, "cycle start", '9', true, KeyAction::CycleStart},
};

// Every key of KeyId has one row: ids are distinct, and there are as many
// rows as KeyId names keys. Each row names its action (KeyAction has no
// "none"), and the panel's dispatch handles every action (its switch is
// compiled with -Werror=switch).
constexpr bool EachKeyOnce()
{
    for (std::size_t i = 0; i < std::size(kPanelKeys); ++i)
        for (std::size_t j = i + 1; j < std::size(kPanelKeys); ++j)
            if (kPanelKeys[i].id == kPanelKeys[j].id) return false;
    return true;
}
static_assert(EachKeyOnce());
static_assert(static_cast<int>(std::size(kPanelKeys)) == kKeyCount);

// The second key pad's copies of panel keys, in the pad's order: the face
// and the code are the panel key's own.
constexpr PadKeyInfo kPadKeys[] = {
    {KeyId::T, {2, 1, 17, 13}},
    {KeyId::M, {23, 1, 16, 13}},
    {KeyId::X, {44, 1, 17, 13}},
    {KeyId::Z, {64, 1, 17, 13}},
    {KeyId::JogXMinus, {104, 1, 17, 13}},
    {KeyId::K, {2, 17, 17, 13}},
    {KeyId::I, {23, 17, 17, 13}},
    {KeyId::U, {44, 17, 17, 13}},
    {KeyId::W, {64, 17, 17, 13}},
    {KeyId::JogZMinus, {85, 17, 17, 13}},
    {KeyId::Rapid, {104, 17, 17, 13}},
    {KeyId::JogZPlus, {123, 17, 17, 13}},
    {KeyId::S, {2, 33, 17, 13}},
    {KeyId::F, {23, 33, 17, 13}},
    {KeyId::D, {44, 33, 16, 13}},
    {KeyId::R, {64, 33, 17, 13}},
    {KeyId::JogXPlus, {104, 33, 17, 13}},
    {KeyId::Dry, {1, 49, 19, 14}},
    {KeyId::Single, {22, 49, 19, 14}},
    {KeyId::StepSize, {64, 50, 17, 13}},
    {KeyId::ManualMode, {85, 50, 17, 13}},
    {KeyId::StepKey, {104, 49, 18, 14}},
    {KeyId::Input, {1, 66, 19, 14}},
    {KeyId::Enter, {23, 66, 18, 14}},
    {KeyId::Rewrite, {43, 66, 19, 14}},
    {KeyId::Delete, {64, 66, 19, 14}},
    {KeyId::Esc, {85, 66, 18, 14}},
    {KeyId::FeedHold, {105, 67, 17, 13}},
    {KeyId::EditMode, {2, 84, 17, 13}},
    {KeyId::ParameterMode, {23, 84, 17, 13}},
    {KeyId::OffsetMode, {44, 84, 17, 13}},
    {KeyId::DiagnosisMode, {64, 84, 17, 13}},
    {KeyId::AutoMode, {85, 84, 17, 13}},
    {KeyId::CycleStart, {105, 84, 17, 13}},
};

// Every pad key copies a key of the panel: it has the panel key's row.
constexpr bool PadKeysCopyPanelKeys()
{
    for (const PadKeyInfo& pad : kPadKeys) {
        bool found = false;
        for (const KeyInfo& key : kPanelKeys) found = found || key.id == pad.id;
        if (!found) return false;
    }
    return true;
}
static_assert(PadKeysCopyPanelKeys());

}  // namespace

std::span<const KeyInfo> PanelKeys() { return kPanelKeys; }
std::span<const PadKeyInfo> SecondPadKeys() { return kPadKeys; }

const KeyInfo* FindKey(KeyId id)
{
    for (const KeyInfo& k : kPanelKeys)
        if (k.id == id) return &k;
    return nullptr;
}

const KeyInfo* FindKeyByCode(char code)
{
    if (code == '\0') return nullptr;
    for (const KeyInfo& k : kPanelKeys)
        if (k.code == code) return &k;
    return nullptr;
}

bool IsJogKey(KeyId id)
{
    return id == KeyId::JogXMinus || id == KeyId::JogZMinus || id == KeyId::JogZPlus || id == KeyId::JogXPlus;
}

PixelRect ToPixels(DialogRect r)
{
    auto px = [](double v) { return static_cast<int>(std::lround(v)); };
    return PixelRect{px(r.x * kDialogUnitX), px(r.y * kDialogUnitY), px(r.width * kDialogUnitX),
                     px(r.height * kDialogUnitY)};
}

}  // namespace zan
