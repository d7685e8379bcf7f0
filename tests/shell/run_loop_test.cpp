// The run loop: one path point per turn, each when its pause is over; inputs
// act at once; no turn behind a modal box; the panel's first paint; the
// program named on the command line.

#include <QCoreApplication>
#include <QDialog>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <fstream>
#include <gtest/gtest.h>

#include "gui/app/command_ids.h"
#include "gui/app/run_loop.h"
#include "gui/panel/first_panel_dlg.h"
#include "gui/panel/key_button.h"
#include "shell_rig.h"

namespace zan::test {
namespace {

namespace cmd = gui::cmd;

// A machine ready to cut with a program loaded, as after the AUTO key.
struct RunRig : ShellRig {
    explicit RunRig(const char* program)
    {
        const std::filesystem::path file = Path("01.zan");
        std::ofstream(file, std::ios::binary) << program;
        EXPECT_TRUE(frame->LoadProgram(file));
        frame->station().MachineCommand(MachineLetter::SpindleL);  // the chuck is clamped at start: the spindle may turn
    }
    // What the panel's cycle start does to a machine at rest.
    void Start() { frame->station().StartCycle(); }
};

// F150 at 100 % waits 50 ms a point, rapid points 10 ms; the loop comes back
// for each point when its pause is over, and nothing else waits.
TEST(RunLoop, PlaysOnePointPerTurnPacedByFeedAndRapid)
{
    RunRig rig("N0010 G01 U0 W-3 F150\r\nN0020 G00 U0 W-2\r\nN0030 M30");
    const float startZ = rig.s().posZ;
    rig.Start();
    ASSERT_TRUE(rig.Turn());  // the block, and the first point's pause begins
    EXPECT_EQ(rig.frame->runLoop().nextDue(), rig.clock.now + 50);
    for (int step = 1; step <= 3; ++step) {
        ASSERT_TRUE(rig.Turn());
        EXPECT_EQ(rig.s().posZ, startZ - float(step));
        EXPECT_EQ(rig.clock.waits.size(), std::size_t(step));
    }
    for (int turn = 0; turn < 12 && rig.s().runFlag; ++turn) rig.Turn();
    EXPECT_FALSE(rig.s().runFlag);  // M30 ended the run
    EXPECT_EQ(rig.s().posZ, startZ - 5.0f);
    const auto& waits = rig.clock.waits;
    const auto firstRapid = std::find(waits.begin(), waits.end(), 10);
    ASSERT_NE(firstRapid, waits.end());
    EXPECT_TRUE(std::all_of(waits.begin(), firstRapid, [](int ms) { return ms == 50; }));
    EXPECT_TRUE(std::all_of(firstRapid, waits.end(), [](int ms) { return ms == 10; }));
    EXPECT_EQ(rig.frame->runLoop().nextDue(), std::nullopt);  // nothing runs: the loop only polls
}

// The machine is never inside a call when the student acts: a command given
// between two paced points acts at once, and the run goes on.
TEST(RunLoop, CommandBetweenTwoPointsActsAtOnce)
{
    RunRig rig("N0010 G01 U0 W-5 F100\r\nN0020 M30");
    rig.Start();
    rig.Turn();
    rig.Turn();
    const bool traced = rig.s().traceMode;
    rig.Command(cmd::kTraceButton);
    EXPECT_NE(rig.s().traceMode, traced);
    EXPECT_TRUE(rig.Turn());
    EXPECT_TRUE(rig.s().runFlag);
}

// The workpiece is turned round after a one-second pause, when the chuck was
// open. A clamp (Ctrl+C) given in that pause does not undo the turn.
TEST(RunLoop, ClampGivenDuringTheTurnRoundPauseComesAfterIt)
{
    ShellRig rig;
    rig.lathe().Release();
    rig.s().profile[200] = 280.0;  // a turned step near the chuck
    rig.Command(cmd::kTurnEndForEnd);
    rig.Command(cmd::kClampWorkpiece);
    EXPECT_FALSE(rig.s().chuckOpen);
    EXPECT_EQ(rig.s().profile[200], 280.0);  // not yet
    rig.Turn();
    rig.Turn();
    EXPECT_EQ(rig.clock.waits, std::vector<int>{1000});
    EXPECT_TRUE(rig.alerts.messages.empty());  // not "请先停止主轴并松开工件!"
    EXPECT_NE(rig.s().profile[200], 280.0);    // the workpiece was turned round
}

TEST(RunLoop, NoTurnWhileAModalDialogIsOpen)
{
    RunRig rig("N0010 G01 U0 W-5 F100\r\nN0020 M30");
    rig.Start();
    QDialog question(rig.frame.get());
    question.setModal(true);
    question.show();
    EXPECT_FALSE(rig.Turn());
    EXPECT_EQ(rig.s().lineIndex, 0);
    question.hide();
    EXPECT_TRUE(rig.Turn());
}

// The program named on the command line goes into the program lines, or is
// reported; a program beyond the machine's 999 lines keeps its first 999.
TEST(LoadProgram, PutsTheProgramIntoTheProgramLinesOrReports)
{
    ShellRig rig;
    EXPECT_FALSE(rig.frame->LoadProgram(rig.Path("missing.zan")));
    EXPECT_EQ(rig.alerts.messages, std::vector<std::string>{"不能打开代码文件"});

    std::ofstream(rig.Path("01.zan"), std::ios::binary) << "N0010 G00 U0 W-1\r\nN0020 M30";
    EXPECT_TRUE(rig.frame->LoadProgram(rig.Path("01.zan")));
    EXPECT_STREQ(rig.s().lineTable.rows[0].data(), "N0010 G00 U0 W-1");
    EXPECT_STREQ(rig.s().lineTable.rows[1].data(), "N0020 M30");

    std::ofstream long_(rig.Path("02.zan"), std::ios::binary);
    for (int line = 0; line < 1000; ++line) long_ << "G04\r\n";
    long_.close();
    EXPECT_FALSE(rig.frame->LoadProgram(rig.Path("02.zan")));
    EXPECT_EQ(rig.alerts.messages.back(), "程序超过999行，多余的行没有装入!");
}

// The panel window first shows while the view's first repaint is still
// opening it: the panel's first paint comes after that call, so the panel
// starts in Edit as it should.
TEST(FirstPaint, PanelPaintsAfterTheViewsFirstRepaintOpenedIt)
{
    ShellRig rig;
    rig.frame->show();
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    EXPECT_EQ(rig.frame->station().panel()->state().mode, PanelMode::Edit);
    EXPECT_FALSE(rig.frame->station().panel()->state().painting);
}

// A jog key let go between two steps ends the jog: no step follows.
TEST(RunLoop, JogKeyReleasedBetweenStepsEndsTheJog)
{
    ShellRig rig;
    rig.frame->show();
    QCoreApplication::processEvents();
    gui::CFirstPanelDlg& panel = rig.frame->panelWindows().panel();
    QTest::mouseClick(panel.Key(KeyId::ManualMode), Qt::LeftButton);
    gui::CKeyButton* jog = panel.Key(KeyId::JogZPlus);
    const int startZ = rig.s().drawnZ;
    QTest::mousePress(jog, Qt::LeftButton);
    EXPECT_TRUE(rig.s().jogActive);
    EXPECT_EQ(rig.s().drawnZ, startZ + 1);
    rig.Turn();  // the next step comes when the first has taken its time
    rig.Turn();
    EXPECT_EQ(rig.s().drawnZ, startZ + 2);
    QTest::mouseRelease(jog, Qt::LeftButton);
    EXPECT_FALSE(rig.s().jogActive);
    rig.Turn();
    rig.Turn();
    EXPECT_EQ(rig.s().drawnZ, startZ + 2);
}

}  // namespace
}  // namespace zan::test
