// Key scripts: how a run reads on its output, and the commands that do not
// depend on what the panel's keys do.

#include <gmock/gmock.h>

#include <filesystem>
#include <random>
#include <sstream>

#include "core/files/program_file.h"
#include "core/station/key_script.h"
#include "core/station/script_output.h"

namespace zan::test {
namespace {

namespace fs = std::filesystem;

TEST(ScriptOutputTest, ScreenListsTextsInDrawingOrderAndOnlyShownFields)
{
    LcdScreen screen;
    screen.Begin();
    screen.Text(40, 45, "Zandro", LcdVideo::Inverse);
    screen.ClearBody();
    screen.Text(65, 80, "X 0100.000", LcdVideo::Normal, LcdFont::Large);
    screen.Text(28, 57, "%01", LcdVideo::Normal, LcdFont::Wide);
    screen.Text(23, 203, "  a \"b\" c:\\ 编辑  ");
    PlainFields fields;
    fields.Place(FieldId::Editor, Rect{23, 59, 266, 215});
    fields.SetText(FieldId::Editor, "N0000\nN0010 G00\r\n");
    fields.Place(FieldId::Prompt, Rect{46, 170, 46, 182});  // no width: hidden
    fields.SetText(FieldId::Prompt, "请输入程序号:%");
    fields.SetText(FieldId::Entry, "kept at the hidden place");

    std::ostringstream out;
    WriteScreen(out, screen, fields);
    EXPECT_EQ(out.str(),
              "screen\n"
              "text 40 45 normal inverse \"Zandro\"\n"
              "text 65 80 large normal \"X 0100.000\"\n"
              "text 28 57 wide normal \"%01\"\n"
              "text 23 203 normal normal \"  a \\\"b\\\" c:\\\\ 编辑  \"\n"
              "field 1001 23 59 243 156 \"N0000\\nN0010 G00\\r\\n\"\n"
              "end\n");
}

TEST(ScriptOutputTest, MessagesAndQuestionsAreQuotedOnOneLine)
{
    std::ostringstream out;
    WriteMessage(out, "未安装功能!");
    WriteQuestion(out, "您确定要退出程序吗?  ", true);
    WriteQuestion(out, "two\nlines", false);
    EXPECT_EQ(out.str(),
              "message \"未安装功能!\"\n"
              "question \"您确定要退出程序吗?  \" ok\n"
              "question \"two\\nlines\" cancel\n");
}

struct KeyScriptTest : ::testing::Test {
    fs::path dir = fs::temp_directory_path() / ("zan-key-script-" + std::to_string(std::random_device{}()));
    std::ostringstream out;
    std::unique_ptr<ScriptedController> controller;

    void SetUp() override
    {
        fs::create_directories(dir);
        ScriptSetup setup;
        setup.folder = ProgramFolder(dir);
        setup.maxTurns = 500;
        controller = std::make_unique<ScriptedController>(setup, out);
    }
    void TearDown() override
    {
        controller.reset();
        fs::remove_all(dir);
    }
    ScriptStop Run(const std::string& script)
    {
        std::istringstream in(script);
        return RunScript(*controller, in);
    }
    // A program in the machine, started as cycle start starts it.
    void Start(std::string_view program)
    {
        LatheState& s = controller->station().lathe.state;
        LoadIntoLineTable(program, s.lineTable);
        s.runFlag = true;
    }
};

TEST_F(KeyScriptTest, TypingKeepsEverySpaceAndMakesCapitalsInTheEntryField)
{
    controller->fields().Focus(FieldId::Entry);
    // The argument is the rest of the line after one space, every space kept;
    // a CR LF line end is no part of it.
    const ScriptStop stop = Run("# a comment\r\n\r\ntype  x-1.5 é\"\r\n");
    EXPECT_EQ(stop.end, ScriptEnd::Done);
    EXPECT_EQ(controller->fields().Text(FieldId::Entry), " X-1.5 é\"");
}

TEST_F(KeyScriptTest, RunTurnsUntilTheProgramEndsOrGivesUpAtTheLimit)
{
    Start("N0000 M30\r\n");
    EXPECT_EQ(Run("run\n").end, ScriptEnd::Done);
    EXPECT_FALSE(controller->station().lathe.state.runFlag);

    Start("N0000 M03\r\nN0010 M97 P0\r\n");  // jumps back to its start for ever
    const ScriptStop stop = Run("idle 2\n\nrun\nscreen\n");
    EXPECT_EQ(stop.end, ScriptEnd::TurnLimit);
    EXPECT_EQ(stop.lineNumber, 3);
    EXPECT_EQ(stop.line, "run");
    EXPECT_EQ(stop.reason, "still running after 500 turns");
    EXPECT_THAT(out.str(), ::testing::Not(::testing::HasSubstr("screen")));
}

TEST_F(KeyScriptTest, BadLinesStopTheScriptNamingTheLine)
{
    struct Case {
        std::string line;
        std::string reason;
    };
    const Case cases[] = {
        {"idle 5x", "idle wants a number of turns (0 or more)"},
        {"key", "key wants a panel key id (1000..1079)"},
        {"key 999", "no panel key has the id 999"},
        {"release 1063", "release wants a jog key (1069..1072)"},
        {"pad", "pad wants one key code character"},
        {"type", "type wants the text to type"},
        {"screen now", "screen takes no argument"},
        {"Key 1062", "unknown command \"Key\""},
    };
    for (const Case& c : cases) {
        const ScriptStop stop = Run("screen\n" + c.line + "\nscreen\n");
        EXPECT_EQ(stop.end, ScriptEnd::BadLine) << c.line;
        EXPECT_EQ(stop.lineNumber, 2) << c.line;
        EXPECT_EQ(stop.line, c.line);
        EXPECT_EQ(stop.reason, c.reason);
    }
}

}  // namespace
}  // namespace zan::test
