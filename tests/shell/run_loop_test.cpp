// The run loop: one path point per turn, paced by the machine's waits; no
// command and no turn enters the machine while it is inside a call; the
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
#include "gui/app/core_gate.h"
#include "gui/app/gated_clicks.h"
#include "gui/app/run_loop.h"
#include "gui/app/run_loop_clock.h"
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
    void Start() { s().runFlag = true; }
    bool Turn() { return frame->runLoop().Turn(); }
};

// F150 at 100 % waits 50 ms a point, rapid points 10 ms; nothing else waits.
TEST(RunLoop, PlaysOnePointPerTurnPacedByFeedAndRapid)
{
    RunRig rig("N0010 G01 U0 W-3 F150\r\nN0020 G00 U0 W-2\r\nN0030 M30");
    const float startZ = rig.s().posZ;
    rig.Start();
    for (int step = 1; step <= 3; ++step) {  // the first turn also executes the block
        ASSERT_TRUE(rig.Turn());
        EXPECT_EQ(rig.s().posZ, startZ - float(step));
        EXPECT_EQ(rig.waits.size(), std::size_t(step));
    }
    for (int turn = 0; turn < 12 && rig.s().runFlag; ++turn) rig.Turn();
    EXPECT_FALSE(rig.s().runFlag);  // M30 ended the run
    EXPECT_EQ(rig.s().posZ, startZ - 5.0f);
    const auto firstRapid = std::find(rig.waits.begin(), rig.waits.end(), 10);
    ASSERT_NE(firstRapid, rig.waits.end());
    EXPECT_TRUE(std::all_of(rig.waits.begin(), firstRapid, [](int ms) { return ms == 50; }));
    EXPECT_TRUE(std::all_of(firstRapid, rig.waits.end(), [](int ms) { return ms == 10; }));
}

TEST(RunLoop, CommandGivenDuringAWaitRunsWhenTheCallReturns)
{
    RunRig rig("N0010 G01 U0 W-5 F100\r\nN0020 M30");
    rig.Start();
    const bool traced = rig.s().traceMode;
    bool queuedAndRefused = false;
    rig.duringWait = [&](int) {
        if (rig.waits.size() != 1) return;
        rig.Command(cmd::kTraceButton);  // the trace button while the first point waits: queued
        queuedAndRefused = rig.s().traceMode == traced && rig.frame->gate().Pending() == 1 &&
                           !rig.Turn();  // and the loop does not enter the busy machine
    };
    rig.Turn();
    EXPECT_TRUE(queuedAndRefused);
    EXPECT_NE(rig.s().traceMode, traced);  // the command ran right after the point
    EXPECT_EQ(rig.frame->gate().Pending(), 0u);
    EXPECT_TRUE(rig.s().runFlag);
}

// The workpiece is turned round during a one-second pause, and only while the
// chuck is open. A clamp (Ctrl+C) given in that pause must not slip in.
TEST(RunLoop, ClampGivenDuringTheTurnRoundPauseWaitsForIt)
{
    ShellRig rig;
    rig.lathe().Release();
    rig.s().profile[200] = 280.0;  // a turned step near the chuck
    bool openDuringPause = false;
    rig.duringWait = [&](int) {
        rig.Command(cmd::kClampWorkpiece);
        openDuringPause = rig.s().chuckOpen;
    };
    rig.Command(cmd::kTurnEndForEnd);
    EXPECT_EQ(rig.waits, std::vector<int>{1000});
    EXPECT_TRUE(openDuringPause);
    EXPECT_TRUE(rig.alerts.messages.empty());  // not "请先停止主轴并松开工件!"
    EXPECT_NE(rig.s().profile[200], 280.0);    // the workpiece was turned round
    EXPECT_FALSE(rig.s().chuckOpen);           // then clamped
}

TEST(RunLoop, NoTurnWhileAModalDialogIsOpen)
{
    RunRig rig("N0010 G01 U0 W-5 F100\r\nN0020 M30");
    rig.Start();
    QDialog question(rig.frame.get());
    question.setModal(true);
    question.show();
    EXPECT_FALSE(rig.Turn());
    EXPECT_TRUE(rig.waits.empty());
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
// opening it: the window's first paint must wait for that call, not run
// inside it.
TEST(CoreGate, PanelsFirstPaintWaitsForTheViewsFirstRepaint)
{
    ShellRig rig;
    int busyWhenShown = -1;
    std::size_t pendingWhenShown = 0;
    QObject::connect(&rig.frame->panelWindows().panel(), &gui::CFirstPanelDlg::firstShown, [&] {
        busyWhenShown = rig.frame->gate().Busy();
        pendingWhenShown = rig.frame->gate().Pending();  // the paint, given just before
    });
    rig.frame->show();
    QCoreApplication::processEvents();
    EXPECT_EQ(busyWhenShown, 1);
    EXPECT_EQ(pendingWhenShown, 1u);
    EXPECT_EQ(rig.frame->gate().Pending(), 0u);
    EXPECT_EQ(rig.frame->station().panel()->state().mode, PanelMode::Edit);
}

// A jog key let go while the jog waits between two steps: the release is
// held until the step's call returns, then ends the jog; no step follows.
TEST(CoreGate, JogKeyReleasedDuringAStepEndsTheJogAfterIt)
{
    ShellRig rig;
    rig.frame->show();
    QCoreApplication::processEvents();
    gui::CFirstPanelDlg& panel = rig.frame->panelWindows().panel();
    QTest::mouseClick(panel.Key(KeyId::ManualMode), Qt::LeftButton);
    gui::CKeyButton* jog = panel.Key(KeyId::JogZPlus);
    const int startZ = rig.s().drawnZ;
    bool heldDuringWait = false;
    rig.duringWait = [&](int) {
        if (rig.waits.size() != 1) return;
        QTest::mouseRelease(jog, Qt::LeftButton);
        heldDuringWait = rig.s().jogActive && rig.frame->gate().Pending() == 1;
    };
    QTest::mousePress(jog, Qt::LeftButton);
    EXPECT_TRUE(heldDuringWait);
    EXPECT_EQ(rig.waits.size(), 1u);  // one step, paced
    EXPECT_FALSE(rig.s().jogActive);
    rig.frame->runLoop().Turn();
    EXPECT_EQ(rig.s().drawnZ, startZ + 1);
    EXPECT_EQ(rig.waits.size(), 1u);
}

// Commands given during a call run after it, in order, also those they give.
TEST(CoreGate, QueuedCommandsRunInOrderAfterTheCall)
{
    gui::CoreGate gate;
    std::vector<int> order;
    gate.Run([&] {
        gate.Run([&] { order.push_back(2); });
        gate.Run([&] {
            order.push_back(3);
            gate.Run([&] { order.push_back(4); });
        });
        order.push_back(1);
    });
    EXPECT_EQ(order, (std::vector<int>{1, 2, 3, 4}));
    EXPECT_FALSE(gate.Busy());
}

// The program's clock does not freeze the window: what is due meanwhile runs.
// A dwell of nothing or less, and any wait after stop, does not wait.
TEST(RunLoopClock, ServesTheWindowAndSkipsEmptyWaits)
{
    bool served = false;
    QTimer::singleShot(0, [&] { served = true; });
    gui::RunLoopClock().Wait(1);
    EXPECT_TRUE(served);

    std::vector<int> waits;
    gui::RunLoopClock clock([&](int ms) { waits.push_back(ms); });
    for (int ms : {0, -2000, 40}) clock.Wait(ms);
    clock.Stop();
    clock.Wait(500);
    EXPECT_EQ(waits, std::vector<int>{40});
}

TEST(GatedClicks, ClickOnTheViewDuringACallIsDeliveredAfterIt)
{
    struct ClickCounter : QWidget {
        int clicks = 0;
        void mousePressEvent(QMouseEvent*) override { ++clicks; }
    } view;
    gui::CoreGate gate;
    new gui::GatedClicks(gate, &view);
    auto click = [&] {
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(&view, &press);
    };
    click();
    gate.Run([&] {
        click();
        EXPECT_EQ(view.clicks, 1);
    });
    EXPECT_EQ(view.clicks, 2);
}

}  // namespace
}  // namespace zan::test
