#include "core/panel/lcd_texts.h"

namespace zan {

const std::array<std::string_view, kParameterCount> kParameterNames{
    "Z正限位",  "Z负限位",  "X正限位",  "X负限位",  "Z轴快速",  "X轴快速",  "Z轴间隙",  "X轴间隙",
    "主轴低档", "主轴高档", "位参数(1)", "位参数(2)", "刀位总数", "反转时间", "M码时间",  "制动时间",
    "Z轴低速",  "X轴低速",  "Z轴加速",  "X轴加速",  "进给低速", "加速时间", "程序行距",
};

const std::array<std::array<std::string_view, kBitCount>, 2> kBitDescriptions{{
    {
        "0/1 未用",
        "0/1 刀偏移动/设置数据",
        "0/1 电动刀架/排刀架",
        "0/1 主轴档位/编码输出",
        "0/1 不/诊断主轴编码器",
        "0/1 编码器线数(1)/(2)",
        "0/1 Z轴电机方向正/负",
        "0/1 X轴电机方向正/负",
    },
    {
        "0/1 不/用机床零点",
        "0/1 Z轴高/低电平报警",
        "0/1 X轴高/低电平报警",
        "0/1 刀位信号低/高电平",
        "0/1 不/输出主轴制动",
        "0/1 M码电平/脉冲输出",
        "0/1 立即/确认换刀",
        "0/1 换档/变频主轴",
    },
}};

const std::array<std::string_view, 9> kDiagnosisLines{
    "    1 DEZ DEX SHL TPS T4  T3  T2  T1",
    "输入   1   1   1   1   1   1   1   1",
    "    2 ALZ ALX UI2 UI1 -LT  LT PCZ PCX",
    "       1   1   1   1   1   1   1   1",
    "    1 TZL TFL M03 M04 M05 M08 M09 MSP",
    "输出   0   0   0   0   1   0   1   0",
    "    2 M10 S04 M32 S03 U02 S02 U01 S01",
    "       0    0  0   0   0   0   0   0",
    "主轴转速       编码器线数",
};

std::string_view ParameterName(int number)
{
    if (number < 1 || number > kParameterCount) return {};
    return kParameterNames[number - 1];
}

std::string_view BitDescription(int parameter, int digit)
{
    if ((parameter != 11 && parameter != 12) || digit < 1 || digit > kBitCount) return {};
    return kBitDescriptions[parameter - 11][digit - 1];
}

}  // namespace zan
