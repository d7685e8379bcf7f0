#include "core/panel/lcd_screens.h"

#include <cctype>
#include <cstdio>
#include <initializer_list>
#include <iterator>
#include <string>

#include "core/panel/lcd_listing.h"
#include "core/panel/lcd_mode_screens.h"
#include "core/panel/lcd_pages.h"
#include "core/panel/lcd_texts.h"
#include "core/panel/panel_ports.h"
#include "core/text/format_fixed.h"

namespace zan {

namespace {

// The mode bar: two rows of 37 cells at the foot of the screen, and the
// mode words over it, drawn inverse for the current mode (pixels).
constexpr int kBarX = 23;
constexpr int kBarTopY = 191;
constexpr int kBarWordsY = 203;
constexpr std::string_view kBarWords = "   ┃编辑 手动 自动 参数 刀偏  诊断┃";
constexpr std::string_view kBarTop = "   ┏━━━━━━━━━━━━━━━┓";

struct ModeWord {
    int x;
    std::string_view word;
};
// Index: PanelMode 1..6.
constexpr ModeWord kModeWords[] = {
    {52, "编辑"}, {82, "手动"}, {112, "自动"}, {142, "参数"}, {172, "刀偏"}, {208, "诊断"},
};

// Directory listing of the edit screen, in the wide font (10 x 12 pixels):
// entries 48 pixels apart, five to a row.
constexpr int kListingLeft = 28;
constexpr int kListingTop = 57;
constexpr int kListingStep = 48;
constexpr int kListingRight = 240;  // past this x an entry starts the next row
constexpr int kListingRowHeight = 12;

bool InMode(PanelMode mode, std::initializer_list<PanelMode> modes)
{
    for (PanelMode m : modes)
        if (m == mode) return true;
    return false;
}

void DrawModeBar(LcdScreen& screen)
{
    screen.Text(kBarX, kBarWordsY, kBarWords);
    screen.Text(kBarX, kBarTopY, kBarTop);
}

void DrawModeWord(LcdScreen& screen, PanelMode mode)
{
    const int index = static_cast<int>(mode) - 1;
    if (index < 0 || index >= static_cast<int>(std::size(kModeWords))) return;
    screen.Text(kModeWords[index].x, kBarWordsY, kModeWords[index].word, LcdVideo::Inverse);
    // The diagnosis screen's spindle speed, always the same.
    if (mode == PanelMode::Diagnosis) screen.Text(80, 172, "0000", LcdVideo::Inverse);
}

void DrawModeScreen(LcdScreen& screen, const ScreenContext& ctx)
{
    switch (ctx.panel.mode) {
    case PanelMode::Edit: DrawEditScreen(screen, ctx); break;
    case PanelMode::Manual: DrawManualScreen(screen, ctx); break;
    case PanelMode::Auto: DrawAutoScreen(screen, ctx); break;
    case PanelMode::Parameter: DrawParameterScreen(screen, ctx); break;
    case PanelMode::Offset: DrawOffsetScreen(screen, ctx); break;
    case PanelMode::Diagnosis: DrawDiagnosisScreen(screen); break;
    default: break;  // before the first mode key: the name and the mode bar alone
    }
}

// Returns the number of programs listed.
int DrawListing(LcdScreen& screen, std::string_view listing)
{
    int x = kListingLeft;
    int y = kListingTop;
    const std::vector<std::string> entries = ListingEntries(listing);
    for (const std::string& entry : entries) {
        screen.Text(x, y, entry, LcdVideo::Normal, LcdFont::Wide);
        x += kListingStep;
        if (x > kListingRight) {
            x = kListingLeft;
            y += kListingRowHeight;
        }
    }
    return static_cast<int>(entries.size());
}

}  // namespace

// The title names the typed program while there is one, else the current
// program (which PrepareScreen took from the listing).
std::string EditTitle(const PanelState& panel)
{
    if (!panel.typedProgram.empty()) return " 编辑 %" + panel.typedProgram + "          ";
    return " 编辑 %" + panel.currentProgram + "           ";
}

void PrepareScreen(PanelState& panel, PageState& pages, const LatheState& machine, std::string_view listing,
                   ScreenCode code)
{
    if (machine.runFlag) panel.mode = PanelMode::Auto;
    if (panel.mode != PanelMode::Manual) {
        // Rapid traverse belongs to Manual: leaving it puts rapid and the highlight out.
        panel.overrideHighlight = false;
        panel.rapidOn = false;
    }
    switch (panel.mode) {
    case PanelMode::Edit: {
        const std::string& typed = panel.typedProgram;
        if (typed.size() >= 2 && std::isdigit(static_cast<unsigned char>(typed[0])))
            panel.currentProgram = typed.substr(0, 2);
        else if (typed.empty())
            panel.currentProgram = FirstProgram(listing);
        break;
    }
    case PanelMode::Parameter:
        UpdateListPage({pages.paramFirst, pages.paramRow, pages.paramCursorY}, panel.parameterRow, kParameterCount, code);
        break;
    case PanelMode::Offset:
        UpdateListPage({pages.offsetFirst, pages.offsetRow, pages.offsetCursorY}, panel.offsetRow, kOffsetCount, code);
        break;
    default: break;
    }
}

void HideField(const ScreenContext& ctx, FieldId id)
{
    if (ctx.placeField) ctx.placeField(id, kHiddenField);
}

void HideBlockLines(const ScreenContext& ctx)
{
    HideField(ctx, FieldId::BlockLine1);
    HideField(ctx, FieldId::BlockLine2);
}

void DrawEditScreen(LcdScreen& screen, const ScreenContext& ctx)
{
    HideBlockLines(ctx);
    screen.ClearBody();
    screen.Text(kTitleX, kTitleY, EditTitle(ctx.panel));
    screen.Text(200, 45, FormatFixed(ctx.panel.programLength, 4, 0, false));
    // An open program's editor field covers the listing and the count.
    if (ctx.panel.programOpen) return;
    const int programCount = DrawListing(screen, ctx.listing);
    screen.Text(23, 183, "    程序数：" + std::to_string(programCount) + "       可用长度：99999");
}

void DrawManualScreen(LcdScreen& screen, const ScreenContext& ctx)
{
    HideBlockLines(ctx);
    screen.ClearBody();
    if (ctx.panel.jogSelector) {
        screen.Text(kTitleX, kTitleY, " 手动点动                   ");
        return;
    }
    screen.Text(kTitleX, kTitleY, " 手动单步");
    char step[32];
    std::snprintf(step, sizeof step, "%.3f", static_cast<double>(ctx.panel.stepSize));  // mm
    screen.Text(149, 45, std::string(step) + "           ");
}

void DrawAutoScreen(LcdScreen& screen, const ScreenContext& ctx)
{
    // The block lines stay: they show the program being run.
    screen.ClearBody();
    std::string title;
    if (ctx.feedHoldLit)
        title = " 自动连续  暂停!             ";
    else if (ctx.machine.singleBlock)
        title = " 自动单段  %" + ctx.panel.currentProgram + "               ";
    else
        title = " 自动连续  %" + ctx.panel.currentProgram + "               ";
    screen.Text(kTitleX, kTitleY, title);
}

void DrawSingleBlockTitle(LcdScreen& screen, const ScreenContext& ctx)
{
    const LatheState& m = ctx.machine;
    std::string title;
    if (!m.singleBlock)
        title = " 自动连续  %" + ctx.panel.currentProgram + "               ";
    else if (m.runFlag)
        title = " 自动连续  单段停!           ";
    else
        title = " 自动单段  %" + ctx.panel.currentProgram + "               ";
    screen.Text(kTitleX, kTitleY, title);
}

void DrawDiagnosisScreen(LcdScreen& screen)
{
    screen.ClearBody();
    screen.Text(kTitleX, kTitleY, " 诊断       ");
    // Eight lines from y = 67, 12 pixels apart; the last one lower, at 172.
    for (int line = 0; line < 8; ++line) screen.Text(23, 67 + 12 * line, kDiagnosisLines[line]);
    screen.Text(23, 172, kDiagnosisLines[8]);
}

void DrawLcd(LcdScreen& screen, const ScreenContext& ctx, ScreenCode code)
{
    screen.Begin();
    const PanelState& panel = ctx.panel;
    screen.Text(40, 45, "Zandro", LcdVideo::Inverse);
    if (!panel.programOpen) DrawModeBar(screen);
    if (!InMode(panel.mode, {PanelMode::Manual, PanelMode::Parameter, PanelMode::Offset})) HideField(ctx, FieldId::Entry);
    DrawModeScreen(screen, ctx);
    if (InMode(panel.mode, {PanelMode::Manual, PanelMode::Auto})) DrawMachineStatus(screen, ctx, code);
    if (!panel.programOpen) DrawModeWord(screen, panel.mode);
}

}  // namespace zan
