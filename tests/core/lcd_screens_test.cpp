// The LCD's mode screens. Each case in data/lcd/screens is a script: it sets
// panel and machine values, draws with a screen code, and lists what the
// screen must then hold, text by text in drawing order, with the moves and
// texts of the overlaid fields and any state the draw changes.
//
//   set mode=4 parameterRow=10 P11=10010000 bit11=4   panel, page and machine values
//   listing |01.zan 02.zan |                          the program listing
//   line 3 |N0030 G01 X20|                            a row of the machine's line table
//   draw 82                                           PrepareScreen and DrawLcd with this code
//   press 82                                          the same, the screen not compared
//   86,67 inv |P01|                                   x,y [inv] [large|wide] |text|
//   field place BlockLine1 52,130,252,142             fields, in call order
//   field text BlockLine1 |N0030 G01 X20|
//   state paramFirst=2 mode=3                         values after the draw
//
// Every draw's texts and field calls are compared whole. Value names are the
// fields' own, but offsetPageRow for the offset page's cursor row (the panel's
// offsetRow is the current offset index), P1..P23 the parameters, D1..D18 the
// offsets by screen index, bit11 and bit12 the bit cursors.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <variant>
#include <vector>

#include "core/panel/lcd_screens.h"
#include "core/panel/panel_ports.h"

namespace zan::test {
namespace {

namespace fs = std::filesystem;

const fs::path kScreens = fs::path(ZAN_TEST_DATA) / "lcd" / "screens";

struct Rig {
    PanelState panel;
    PageState pages;
    LatheState machine{false};
    std::string listing;
    bool feedHoldLit = false;
    bool blockAdvanced = false;
};

using Value = std::variant<int*, float*, double*, bool*, std::string*, PanelMode*>;

std::map<std::string, Value> Values(Rig& r)
{
    std::map<std::string, Value> v{
        {"mode", &r.panel.mode}, {"currentProgram", &r.panel.currentProgram},
        {"typedProgram", &r.panel.typedProgram}, {"programLength", &r.panel.programLength},
        {"programOpen", &r.panel.programOpen}, {"jogSelector", &r.panel.jogSelector},
        {"stepSize", &r.panel.stepSize}, {"feedOverride", &r.panel.feedOverride},
        {"rapidOverride", &r.panel.rapidOverride}, {"overrideHighlight", &r.panel.overrideHighlight},
        {"rapidOn", &r.panel.rapidOn}, {"coolantOn", &r.panel.coolantOn},
        {"parameterRow", &r.panel.parameterRow}, {"offsetRow", &r.panel.offsetRow},
        {"bit11", &r.panel.bitCursors[0]}, {"bit12", &r.panel.bitCursors[1]},
        {"displayOffsetZ", &r.panel.displayOffsetZ}, {"displayOffsetX", &r.panel.displayOffsetX},
        {"paramFirst", &r.pages.paramFirst}, {"paramRow", &r.pages.paramRow},
        {"paramCursorY", &r.pages.paramCursorY}, {"offsetFirst", &r.pages.offsetFirst},
        {"offsetPageRow", &r.pages.offsetRow}, {"offsetCursorY", &r.pages.offsetCursorY},
        {"runFlag", &r.machine.runFlag}, {"singleBlock", &r.machine.singleBlock},
        {"spindleState", &r.machine.spindleState}, {"toolStation", &r.machine.toolStation},
        {"offsetNumber", &r.machine.offsetNumber}, {"lineIndex", &r.machine.lineIndex},
        {"posZ", &r.machine.posZ}, {"posX", &r.machine.posX},
        {"originZ", &r.machine.originZ}, {"originX", &r.machine.originX},
        {"feedHoldLit", &r.feedHoldLit}, {"blockAdvanced", &r.blockAdvanced},
    };
    for (int p = 1; p <= kParameterCount; ++p) v["P" + std::to_string(p)] = &r.panel.parameters[p - 1];
    for (int i = 1; i <= kOffsetCount; ++i) v["D" + std::to_string(i)] = &r.panel.offsets[i - 1];
    return v;
}

void Set(Value target, const std::string& text)
{
    std::visit([&](auto* p) {
        using T = std::remove_pointer_t<decltype(p)>;
        if constexpr (std::is_same_v<T, std::string>) *p = text;
        else if constexpr (std::is_same_v<T, PanelMode>) *p = static_cast<PanelMode>(std::stoi(text));
        else if constexpr (std::is_same_v<T, bool>) *p = text == "1";
        else *p = static_cast<T>(std::stod(text));
    }, target);
}

std::string Get(Value source)
{
    return std::visit([](auto* p) -> std::string {
        using T = std::remove_pointer_t<decltype(p)>;
        if constexpr (std::is_same_v<T, std::string>) return *p;
        else if constexpr (std::is_same_v<T, PanelMode>) return std::to_string(static_cast<int>(*p));
        else if constexpr (std::is_same_v<T, bool>) return *p ? "1" : "0";
        else { std::ostringstream s; s << *p; return s.str(); }
    }, source);
}

// The text between the first and the last "|" of a line.
std::string Quoted(const std::string& line)
{
    const auto open = line.find('|');
    const auto close = line.rfind('|');
    return open == std::string::npos || close == open ? std::string() : line.substr(open + 1, close - open - 1);
}

std::string Describe(const LcdText& t)
{
    std::string s = std::to_string(t.x) + "," + std::to_string(t.y);
    if (t.video == LcdVideo::Inverse) s += " inv";
    if (t.font == LcdFont::Large) s += " large";
    if (t.font == LcdFont::Wide) s += " wide";
    return s + " |" + t.text + "|";
}

std::string FieldText(FieldId id)
{
    const char* const names[] = {"Editor", "Entry", "Prompt", "BlockLine1", "BlockLine2"};
    for (int i = 0; i < 5; ++i)
        if (kAllFields[i] == id) return names[i];
    return "?";
}

std::string PlaceText(const Rect& r)
{
    if (r == kHiddenField) return "hidden";
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
           std::to_string(r.bottom);
}

std::string Joined(const std::vector<std::string>& lines)
{
    std::string s;
    for (const std::string& line : lines) s += line + "\n";
    return s;
}

// One draw and what the script expects of it.
struct Draw {
    int lineNumber = 0;
    std::vector<std::string> texts, fields, actualTexts, actualFields;
    std::vector<Rect> offScreen;  // texts that do not fit the screen area
};

Draw RunDraw(Rig& rig, int code, int lineNumber)
{
    Draw d;
    d.lineNumber = lineNumber;
    ScreenContext ctx{rig.panel, rig.pages, rig.machine, rig.listing, rig.feedHoldLit, rig.blockAdvanced,
                      [&](FieldId id, const Rect& r) { d.actualFields.push_back("place " + FieldText(id) + " " + PlaceText(r)); },
                      [&](FieldId id, std::string_view text) {
                          d.actualFields.push_back("text " + FieldText(id) + " |" + std::string(text) + "|");
                      },
                      {}};
    LcdScreen screen;
    PrepareScreen(rig.panel, rig.pages, rig.machine, rig.listing, static_cast<ScreenCode>(code));
    DrawLcd(screen, ctx, static_cast<ScreenCode>(code));
    for (const LcdText& t : screen.Texts()) {
        d.actualTexts.push_back(Describe(t));
        if (TextRect(t).right > kLcdArea.right) d.offScreen.push_back(TextRect(t));
    }
    return d;
}

void Check(const Draw& d)
{
    SCOPED_TRACE("draw on line " + std::to_string(d.lineNumber));
    EXPECT_EQ(Joined(d.texts), Joined(d.actualTexts));
    EXPECT_EQ(Joined(d.fields), Joined(d.actualFields));
    EXPECT_TRUE(d.offScreen.empty()) << "a text runs past the screen's right edge";
}

void CheckState(Rig& rig, std::istringstream& words)
{
    auto values = Values(rig);
    for (std::string pair; words >> pair;) {
        const auto eq = pair.find('=');
        const std::string key = pair.substr(0, eq);
        ASSERT_TRUE(values.count(key)) << key;
        EXPECT_EQ(Get(values.at(key)), pair.substr(eq + 1)) << key;
    }
}

void RunScript(const fs::path& file)
{
    std::ifstream in(file);
    ASSERT_TRUE(in) << file;
    Rig rig;
    std::vector<Draw> draws;
    bool expecting = false;  // the lines after a draw list its screen; after a press nothing
    int number = 0;
    for (std::string line; std::getline(in, line);) {
        ++number;
        std::istringstream words(line);
        std::string word;
        if (!(words >> word) || word[0] == '#') continue;
        if (word == "set") {
            auto values = Values(rig);
            for (std::string pair; words >> pair;) {
                const auto eq = pair.find('=');
                ASSERT_TRUE(values.count(pair.substr(0, eq))) << "line " << number << ": " << pair;
                Set(values.at(pair.substr(0, eq)), pair.substr(eq + 1));
            }
        } else if (word == "listing") {
            rig.listing = Quoted(line);
        } else if (word == "line") {
            int row = 0;
            words >> row;
            const std::string text = Quoted(line);
            std::fill(rig.machine.lineTable.rows[row].begin(), rig.machine.lineTable.rows[row].end(), 0);
            std::copy(text.begin(), text.end(), rig.machine.lineTable.rows[row].begin());
        } else if (word == "draw") {
            int code = 0;
            words >> code;
            draws.push_back(RunDraw(rig, code, number));
            expecting = true;
        } else if (word == "press") {
            int code = 0;
            words >> code;
            RunDraw(rig, code, number);
            expecting = false;
        } else if (word == "state") {
            SCOPED_TRACE("line " + std::to_string(number));
            CheckState(rig, words);
        } else {
            ASSERT_TRUE(expecting) << "line " << number << " lists a screen that no draw made";
            (word == "field" ? draws.back().fields : draws.back().texts)
                .push_back(word == "field" ? line.substr(6) : line);
        }
    }
    ASSERT_FALSE(draws.empty());
    for (const Draw& d : draws) Check(d);
}

std::vector<std::string> ScriptNames()
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(kScreens))
        if (entry.path().extension() == ".screen") names.push_back(entry.path().stem().string());
    std::sort(names.begin(), names.end());
    return names;
}

struct LcdScreensTest : ::testing::TestWithParam<std::string> {};

TEST_P(LcdScreensTest, DrawsTheScreenOfTheScript) { RunScript(kScreens / (GetParam() + ".screen")); }

INSTANTIATE_TEST_SUITE_P(Screens, LcdScreensTest, ::testing::ValuesIn(ScriptNames()),
                         [](const auto& info) { return info.param; });

}  // namespace
}  // namespace zan::test
