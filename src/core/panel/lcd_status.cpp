// The machine status block and the position read-out of the Manual and Auto
// screens.

#include <string>
#include <string_view>

#include "core/files/gb2312.h"
#include "core/panel/lcd_mode_screens.h"
#include "core/text/format_fixed.h"

namespace zan {

namespace {

// The two program lines of the Auto screen: 200 x 12 pixels each.
constexpr Rect kBlockLine1{52, 130, 252, 142};
constexpr Rect kBlockLine2{52, 142, 252, 154};

// An override percentage right-aligned in four cells: "  5%", " 50%", "150%".
std::string OverrideText(int percent)
{
    const std::string digits = std::to_string(percent) + "%";
    if (percent < 10) return "  " + digits;
    if (percent < 100) return " " + digits;
    return digits;
}

std::string_view SpindleText(int spindleState)
{
    switch (spindleState) {
    case 0: return "停止";
    case 1: return "正转";
    case 2: return "反转";
    default: return {};  // no word for a state the machine does not have
    }
}

// The text of one program line: up to its first zero byte. Lines outside the
// table (before the first, after the last) are empty.
std::string LineText(const LineTable& table, int index)
{
    if (index < 0 || index >= LineTable::kRows) return {};
    const auto& row = table.rows[index];
    std::size_t length = 0;
    while (length < static_cast<std::size_t>(LineTable::kTextBytes) && row[length] != 0) ++length;
    // The table holds the program file's GB2312 bytes; the fields show UTF-8.
    return Utf8FromGb2312(std::string_view(row.data(), length));
}

void DrawOverridesAndStates(LcdScreen& screen, const ScreenContext& ctx, ScreenCode code)
{
    const PanelState& panel = ctx.panel;
    const LcdVideo overrides =
        code == ScreenCode::HighlightOverrides || panel.overrideHighlight ? LcdVideo::Inverse : LcdVideo::Normal;
    screen.Text(53, 155, "进给倍率");
    screen.Text(107, 155, OverrideText(panel.feedOverride), overrides);
    screen.Text(53, 169, "快速倍率");
    screen.Text(107, 169, OverrideText(panel.rapidOverride), overrides);
    screen.Text(53, 183, "冷却状态");
    screen.Text(110, 183, panel.coolantOn ? "开" : "关");
    screen.Text(155, 155, "主轴状态");
    const std::string_view spindle = SpindleText(ctx.machine.spindleState);
    if (!spindle.empty()) screen.Text(209, 155, spindle);
    screen.Text(155, 169, "主轴转速 XXXX");
    screen.Text(197, 183, "偏置 " + std::to_string(ctx.machine.offsetNumber));
    screen.Text(155, 183, "刀号 " + std::to_string(ctx.machine.toolStation));
}

// The block just executed and the next one; right after a block the
// machine's line index already points past it.
void DrawBlockLines(LcdScreen& screen, const ScreenContext& ctx)
{
    screen.Text(46, 130, "*");
    const int first = ctx.machine.lineIndex - (ctx.blockAdvanced ? 1 : 0);
    if (ctx.placeField) {
        ctx.placeField(FieldId::BlockLine1, kBlockLine1);
        ctx.placeField(FieldId::BlockLine2, kBlockLine2);
    }
    if (ctx.setFieldText) {
        ctx.setFieldText(FieldId::BlockLine1, LineText(ctx.machine.lineTable, first));
        ctx.setFieldText(FieldId::BlockLine2, LineText(ctx.machine.lineTable, first + 1));
    }
}

// Work coordinates: machine position plus the coordinate origin plus the
// panel's display offset (minus the applied tool offset), in mm, X as a
// diameter. Summed in single precision like the machine's own fields; the
// jitter, if any, is added to the diameter.
void DrawPosition(LcdScreen& screen, const ScreenContext& ctx)
{
    const LatheState& m = ctx.machine;
    const float x = 2.0f * (m.posX + m.originX + ctx.panel.displayOffsetX);
    const float z = m.posZ + m.originZ + ctx.panel.displayOffsetZ;
    const double shownX = ctx.positionJitter ? x + ctx.positionJitter() : x;
    const double shownZ = ctx.positionJitter ? z + ctx.positionJitter() : z;
    screen.Text(65, 80, "X" + FormatFixed(shownX, 4, 3, true), LcdVideo::Normal, LcdFont::Large);
    screen.Text(65, 105, "Z" + FormatFixed(shownZ, 4, 3, true), LcdVideo::Normal, LcdFont::Large);
}

}  // namespace

void DrawMachineStatus(LcdScreen& screen, const ScreenContext& ctx, ScreenCode code)
{
    DrawOverridesAndStates(screen, ctx, code);
    if (ctx.panel.mode == PanelMode::Auto) DrawBlockLines(screen, ctx);
    DrawPosition(screen, ctx);
}

void DrawRunDisplay(LcdScreen& screen, const ScreenContext& ctx)
{
    DrawBlockLines(screen, ctx);
    screen.Text(227, 183, std::to_string(ctx.machine.offsetNumber));
    screen.Text(185, 183, std::to_string(ctx.machine.toolStation));
    DrawPosition(screen, ctx);
}

void DrawPositionOnly(LcdScreen& screen, const ScreenContext& ctx) { DrawPosition(screen, ctx); }

}  // namespace zan
