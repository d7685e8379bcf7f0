#include "key_legends.h"

namespace zan::artwork {

namespace {

// Address keys are grey, digits ivory, editing and mode keys blue, machine
// keys slate; reset is red, cycle start green, feed hold amber.
constexpr Legend kLegends[] = {
    {203, Cap::Red, "//", "RESET", Mark::None},
    {204, Cap::Grey, "G", "", Mark::None},
    {205, Cap::Grey, "M", "", Mark::None},
    {206, Cap::Grey, "X", "", Mark::None},
    {207, Cap::Grey, "Z", "", Mark::None},
    {196, Cap::Grey, "S", "", Mark::None},
    {197, Cap::Grey, "T", "", Mark::None},
    {198, Cap::Grey, "U", "/", Mark::None},
    {199, Cap::Grey, "W", "E", Mark::None},
    {189, Cap::Grey, "F", "", Mark::None},
    {190, Cap::Grey, "I", "P", Mark::None},
    {191, Cap::Grey, "K", "N", Mark::None},
    {182, Cap::Grey, "D", "L", Mark::None},
    {183, Cap::Grey, "R", "SP", Mark::None},
    {208, Cap::Ivory, "7", "", Mark::None},
    {209, Cap::Ivory, "8", "", Mark::None},
    {210, Cap::Ivory, "9", "", Mark::None},
    {200, Cap::Ivory, "4", "", Mark::None},
    {201, Cap::Ivory, "5", "", Mark::None},
    {202, Cap::Ivory, "6", "", Mark::None},
    {192, Cap::Ivory, "1", "", Mark::None},
    {193, Cap::Ivory, "2", "", Mark::None},
    {194, Cap::Ivory, "3", "", Mark::None},
    {185, Cap::Ivory, "0", "", Mark::None},
    {184, Cap::Ivory, ".", "", Mark::None},
    {186, Cap::Ivory, "-", "", Mark::None},
    {195, Cap::Grey, "PAGE", "", Mark::TriangleUp},
    {187, Cap::Grey, "PAGE", "", Mark::TriangleDown},
    {188, Cap::Grey, "", "", Mark::ArrowUp},
    {180, Cap::Grey, "", "", Mark::ArrowDown},
    {179, Cap::Grey, "", "", Mark::ArrowLeft},
    {181, Cap::Grey, "", "", Mark::ArrowRight},
    {211, Cap::Blue, "空运行", "DRY", Mark::None},
    {212, Cap::Blue, "单段", "SINGLE", Mark::None},
    {213, Cap::Blue, "单步", "STEP", Mark::None},
    {214, Cap::Blue, "改写", "REW", Mark::None},
    {215, Cap::Blue, "删除", "DLE", Mark::None},
    {218, Cap::Blue, "退出", "ESC", Mark::None},
    {216, Cap::Blue, "输入", "INPUT", Mark::None},
    {217, Cap::Blue, "回车", "ENTER", Mark::None},
    {173, Cap::Blue, "编辑", "EDIT", Mark::None},
    {174, Cap::Blue, "手动", "JOG", Mark::None},
    {175, Cap::Blue, "自动", "AUTO", Mark::None},
    {176, Cap::Blue, "参数", "PAR", Mark::None},
    {177, Cap::Blue, "刀补", "OFT", Mark::None},
    {178, Cap::Blue, "诊断", "DGN", Mark::None},
    {131, Cap::Slate, "", "", Mark::TurnCw},
    {135, Cap::Slate, "", "", Mark::Stop},
    {136, Cap::Slate, "", "", Mark::TurnCcw},
    {137, Cap::Slate, "X", "", Mark::Home},
    {144, Cap::Slate, "X", "", Mark::Zero},
    {150, Cap::Slate, "Z", "", Mark::Home},
    {151, Cap::Slate, "Z", "", Mark::Zero},
    {145, Cap::Slate, "快速", "", Mark::TriangleUp},
    {152, Cap::Slate, "快速", "", Mark::TriangleDown},
    {146, Cap::Slate, "进给", "", Mark::TriangleUp},
    {153, Cap::Slate, "进给", "", Mark::TriangleDown},
    {147, Cap::Slate, "冷却", "", Mark::Drop},
    {148, Cap::Slate, "润滑", "LUB", Mark::None},
    {149, Cap::Slate, "换刀", "TOOL", Mark::None},
    {155, Cap::Slate, "X-", "", Mark::ArrowUp},
    {154, Cap::Slate, "Z-", "", Mark::ArrowLeft},
    {156, Cap::Slate, "Z+", "", Mark::ArrowRight},
    {167, Cap::Slate, "X+", "", Mark::ArrowDown},
    {172, Cap::Slate, "快速", "", Mark::Rapid},
    {168, Cap::Slate, "手轮", "X", Mark::None},
    {159, Cap::Slate, "手轮", "Z", Mark::None},
    {158, Cap::Slate, "步长", "STEP", Mark::None},
    {165, Cap::Amber, "", "", Mark::Hold},
    {160, Cap::Green, "", "", Mark::Start},
};

constexpr Legend kBlank{0, Cap::Grey, "", "", Mark::None};

}  // namespace

const Legend& LegendOf(int face)
{
    for (const Legend& legend : kLegends)
        if (legend.face == face) return legend;
    return kBlank;
}

}  // namespace zan::artwork
