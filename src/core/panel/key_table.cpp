#include "core/panel/key_table.h"

#include <cmath>

namespace zan {

namespace {

constexpr KeyInfo kPanelKeys[] = {
    {KeyId::Reset, {189, 26, 22, 17}, 203, "reset (\"//\")", '\0', false},
    {KeyId::G, {213, 26, 22, 17}, 204, "G", '\0', false},
    {KeyId::M, {237, 26, 21, 17}, 205, "M", 'm', false},
    {KeyId::X, {261, 26, 22, 17}, 206, "X", 'x', false},
    {KeyId::Z, {286, 26, 22, 17}, 207, "Z", 'z', false},
    {KeyId::Digit7, {322, 26, 22, 17}, 208, "7", '\0', false},
    {KeyId::Digit8, {349, 26, 22, 17}, 209, "8", '\0', false},
    {KeyId::Digit9, {376, 26, 22, 17}, 210, "9", '\0', false},
    {KeyId::PageUp, {189, 46, 22, 17}, 195, "page up", '\0', false},
    {KeyId::S, {213, 46, 22, 17}, 196, "S", 's', false},
    {KeyId::T, {237, 46, 22, 17}, 197, "T", 't', false},
    {KeyId::U, {261, 46, 22, 17}, 198, "U, /", 'u', false},
    {KeyId::W, {286, 46, 22, 17}, 199, "W, E", 'w', false},
    {KeyId::Digit4, {322, 46, 22, 17}, 200, "4", '\0', false},
    {KeyId::Digit5, {349, 46, 22, 17}, 201, "5", '\0', false},
    {KeyId::Digit6, {376, 46, 21, 17}, 202, "6", '\0', false},
    {KeyId::PageDown, {189, 67, 22, 17}, 187, "page down", '\0', false},
    {KeyId::CursorUp, {213, 67, 22, 17}, 188, "cursor up", '\0', false},
    {KeyId::F, {237, 67, 22, 17}, 189, "F", 'f', false},
    {KeyId::I, {261, 67, 22, 17}, 190, "I, P", 'i', false},
    {KeyId::K, {286, 67, 22, 17}, 191, "K, N", 'k', false},
    {KeyId::Digit1, {322, 67, 22, 17}, 192, "1", '\0', false},
    {KeyId::Digit2, {349, 67, 22, 17}, 193, "2", '\0', false},
    {KeyId::Digit3, {376, 67, 22, 17}, 194, "3", '\0', false},
    {KeyId::CursorLeft, {189, 88, 22, 17}, 179, "cursor left", '\0', false},
    {KeyId::CursorDown, {213, 88, 22, 17}, 180, "cursor down", '\0', false},
    {KeyId::CursorRight, {238, 88, 22, 17}, 181, "cursor right", '\0', false},
    {KeyId::D, {262, 88, 21, 17}, 182, "D, L", 'd', false},
    {KeyId::R, {286, 88, 22, 17}, 183, "R, space", 'r', false},
    {KeyId::Point, {322, 88, 22, 17}, 184, "decimal point", '\0', false},
    {KeyId::Digit0, {349, 88, 22, 17}, 185, "0", '\0', false},
    {KeyId::Minus, {376, 88, 22, 17}, 186, "minus", '\0', false},
    {KeyId::Dry, {189, 112, 25, 18}, 211, "空运行 DRY", '5', true},
    {KeyId::Single, {216, 112, 25, 18}, 212, "单段 SINGLE", '6', false},
    {KeyId::StepKey, {243, 112, 24, 18}, 213, "单步 step", '7', false},
    {KeyId::Rewrite, {269, 112, 25, 18}, 214, "改写 REW", '0', false},
    {KeyId::Delete, {295, 112, 25, 18}, 215, "删除 DLE", 'A', false},
    {KeyId::Esc, {322, 112, 24, 18}, 218, "退出 ESC", 'B', false},
    {KeyId::Input, {347, 112, 25, 18}, 216, "输入 INPUT", 'C', false},
    {KeyId::Enter, {374, 112, 24, 18}, 217, "回车 ENTER", 'D', false},
    {KeyId::EditMode, {209, 139, 22, 17}, 173, "编辑 EDIT", 'F', true},
    {KeyId::ManualMode, {238, 139, 22, 17}, 174, "手动 JOG", 'G', true},
    {KeyId::AutoMode, {266, 139, 22, 17}, 175, "自动 AUTO", 'H', true},
    {KeyId::ParameterMode, {297, 139, 22, 17}, 176, "参数 PAR", 'I', true},
    {KeyId::OffsetMode, {327, 139, 22, 17}, 177, "刀补 OFT", 'J', true},
    {KeyId::DiagnosisMode, {358, 139, 22, 17}, 178, "诊断 DGN", 'K', true},
    {KeyId::SpindleForward, {12, 166, 22, 18}, 131, "spindle forward", '\0', true},
    {KeyId::SpindleStop, {35, 166, 22, 18}, 135, "spindle stop", '\0', false},
    {KeyId::SpindleReverse, {59, 166, 22, 17}, 136, "spindle reverse", '\0', true},
    {KeyId::XReference, {87, 166, 22, 17}, 137, "X to reference point", '\0', false},
    {KeyId::XZero, {111, 166, 22, 17}, 144, "X to machine zero", '\0', false},
    {KeyId::RapidUp, {138, 166, 22, 17}, 145, "rapid override up", '\0', false},
    {KeyId::FeedUp, {162, 166, 22, 17}, 146, "feed override up", '\0', false},
    {KeyId::Coolant, {12, 185, 22, 17}, 147, "coolant", '\0', true},
    {KeyId::Lubrication, {36, 185, 22, 17}, 148, "lubrication", '\0', false},
    {KeyId::ToolChange, {60, 185, 22, 17}, 149, "tool change", '\0', false},
    {KeyId::ZReference, {87, 185, 22, 17}, 150, "Z to reference point", '\0', false},
    {KeyId::ZZero, {112, 185, 22, 17}, 151, "Z to machine zero", '\0', false},
    {KeyId::RapidDown, {138, 185, 22, 17}, 152, "rapid override down", '\0', false},
    {KeyId::FeedDown, {162, 185, 22, 17}, 153, "feed override down", '\0', false},
    {KeyId::JogXMinus, {224, 165, 22, 17}, 155, "X− (up)", '1', false},
    {KeyId::JogZMinus, {199, 175, 22, 17}, 154, "Z− (left)", '2', false},
    {KeyId::JogZPlus, {249, 175, 22, 17}, 156, "Z+ (right)", '3', false},
    {KeyId::JogXPlus, {224, 185, 22, 17}, 167, "X+ (down)", '4', false},
    {KeyId::Rapid, {285, 165, 22, 17}, 172, "rapid traverse", 'a', true},
    {KeyId::HandwheelX, {321, 165, 22, 17}, 168, "handwheel X", '\0', false},
    {KeyId::StepSize, {286, 185, 22, 17}, 158, "step size", 'E', false},
    {KeyId::HandwheelZ, {322, 185, 22, 17}, 159, "handwheel Z", '\0', false},
    {KeyId::FeedHold, {358, 165, 22, 17}, 165, "feed hold", '8', true},
    {KeyId::CycleStart, {358, 185, 22, 17}, 160, "cycle start", '9', true},
};

constexpr PadKeyInfo kPadKeys[] = {
    {KeyId::T, {2, 1, 17, 13}, 197, 't'},
    {KeyId::M, {23, 1, 16, 13}, 205, 'm'},
    {KeyId::X, {44, 1, 17, 13}, 206, 'x'},
    {KeyId::Z, {64, 1, 17, 13}, 207, 'z'},
    {KeyId::JogXMinus, {104, 1, 17, 13}, 155, '1'},
    {KeyId::K, {2, 17, 17, 13}, 191, 'k'},
    {KeyId::I, {23, 17, 17, 13}, 190, 'i'},
    {KeyId::U, {44, 17, 17, 13}, 198, 'u'},
    {KeyId::W, {64, 17, 17, 13}, 199, 'w'},
    {KeyId::JogZMinus, {85, 17, 17, 13}, 154, '2'},
    {KeyId::Rapid, {104, 17, 17, 13}, 172, 'a'},
    {KeyId::JogZPlus, {123, 17, 17, 13}, 156, '3'},
    {KeyId::S, {2, 33, 17, 13}, 196, 's'},
    {KeyId::F, {23, 33, 17, 13}, 189, 'f'},
    {KeyId::D, {44, 33, 16, 13}, 182, 'd'},
    {KeyId::R, {64, 33, 17, 13}, 183, 'r'},
    {KeyId::JogXPlus, {104, 33, 17, 13}, 167, '4'},
    {KeyId::Dry, {1, 49, 19, 14}, 211, '5'},
    {KeyId::Single, {22, 49, 19, 14}, 212, '6'},
    {KeyId::StepSize, {64, 50, 17, 13}, 158, 'E'},
    {KeyId::ManualMode, {85, 50, 17, 13}, 174, 'G'},
    {KeyId::StepKey, {104, 49, 18, 14}, 213, '7'},
    {KeyId::Input, {1, 66, 19, 14}, 216, 'C'},
    {KeyId::Enter, {23, 66, 18, 14}, 217, 'D'},
    {KeyId::Rewrite, {43, 66, 19, 14}, 214, '0'},
    {KeyId::Delete, {64, 66, 19, 14}, 215, 'A'},
    {KeyId::Esc, {85, 66, 18, 14}, 218, 'B'},
    {KeyId::FeedHold, {105, 67, 17, 13}, 165, '8'},
    {KeyId::EditMode, {2, 84, 17, 13}, 173, 'F'},
    {KeyId::ParameterMode, {23, 84, 17, 13}, 176, 'I'},
    {KeyId::OffsetMode, {44, 84, 17, 13}, 177, 'J'},
    {KeyId::DiagnosisMode, {64, 84, 17, 13}, 178, 'K'},
    {KeyId::AutoMode, {85, 84, 17, 13}, 175, 'H'},
    {KeyId::CycleStart, {105, 84, 17, 13}, 160, '9'},
};

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
