// The run loop: one path point per turn, paced by the machine's waits; no
// command and no turn enters the machine while it is inside a call; the
// interim panel's cycle start, feed hold and spindle keys.

#include <QCoreApplication>
#include <QDialog>
#include <QMouseEvent>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <fstream>
#include <gtest/gtest.h>

#include "app/command_ids.h"
#include "app/core_gate.h"
#include "app/gated_clicks.h"
#include "app/run_loop.h"
#include "app/run_loop_clock.h"
#include "lathe/messages.h"
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
        frame->LoadProgram(file);
        lathe().MachineCommand('L');  // the chuck is clamped at start: the spindle may turn
    }
    bool Turn() { return frame->runLoop().Turn(); }
};

TEST(RunLoop, PlaysOnePointPerTurnPacedAtTheFeed)
{
    RunRig rig("N0010 G01 U0 W-3 F100\r\nN0020 M30");
    const float startZ = rig.s().posZ;
    rig.Command(cmd::kCycleStart);
    ASSERT_TRUE(rig.s().runFlag);

    // The first turn executes the block and plays its first point.
    for (int step = 1; step <= 3; ++step) {
        ASSERT_TRUE(rig.Turn());
        EXPECT_EQ(rig.s().posZ, startZ - float(step));
        EXPECT_EQ(rig.waits.size(), std::size_t(step));
    }
    for (int turn = 0; turn < 5 && rig.s().runFlag; ++turn) rig.Turn();
    EXPECT_FALSE(rig.s().runFlag);  // M30 ended the run
    EXPECT_EQ(rig.s().posZ, startZ - 3.0f);
    // F100 at 100 %: every point waits 100 ms, and nothing else waits.
    EXPECT_GE(rig.waits.size(), 3u);
    EXPECT_EQ(rig.waits, std::vector<int>(rig.waits.size(), 100));
}

TEST(RunLoop, RapidAndFeedSetThePace)
{
    RunRig rig("N0010 G00 U0 W-2\r\nN0020 G01 U0 W-2 F150\r\nN0030 M30");
    rig.Command(cmd::kCycleStart);
    for (int turn = 0; turn < 12 && rig.s().runFlag; ++turn) rig.Turn();
    ASSERT_FALSE(rig.s().runFlag);
    // Rapid points wait 10 ms, then the F150 points 50 ms each.
    const auto firstFeed = std::find(rig.waits.begin(), rig.waits.end(), 50);
    ASSERT_NE(firstFeed, rig.waits.begin());
    ASSERT_NE(firstFeed, rig.waits.end());
    EXPECT_TRUE(std::all_of(rig.waits.begin(), firstFeed, [](int ms) { return ms == 10; }));
    EXPECT_TRUE(std::all_of(firstFeed, rig.waits.end(), [](int ms) { return ms == 50; }));
}

TEST(RunLoop, CommandGivenDuringAWaitRunsWhenTheCallReturns)
{
    RunRig rig("N0010 G01 U0 W-5 F100\r\nN0020 M30");
    rig.Command(cmd::kCycleStart);
    bool heldDuringWait = false;
    bool turnRefused = false;
    rig.duringWait = [&](int) {
        if (rig.waits.size() != 1) return;
        rig.Command(cmd::kFeedHold);  // Ctrl+P while the first point waits
        heldDuringWait = rig.s().runFlag && rig.frame->gate().Pending() == 1;
        turnRefused = !rig.Turn();    // the loop does not enter the busy machine
    };
    rig.Turn();
    EXPECT_TRUE(heldDuringWait);
    EXPECT_TRUE(turnRefused);
    EXPECT_FALSE(rig.s().runFlag);  // the feed hold ran right after the point
    EXPECT_EQ(rig.frame->gate().Pending(), 0u);

    // Cycle start resumes where the path stopped.
    const float heldZ = rig.s().posZ;
    rig.duringWait = nullptr;
    rig.Command(cmd::kCycleStart);
    rig.Turn();
    EXPECT_EQ(rig.s().posZ, heldZ - 1.0f);
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
    rig.Command(cmd::kCycleStart);
    QDialog question(rig.frame.get());
    question.setModal(true);
    question.show();
    EXPECT_FALSE(rig.Turn());
    EXPECT_TRUE(rig.waits.empty());
    question.hide();
    EXPECT_TRUE(rig.Turn());
}

TEST(IdlePanel, CycleStartNeedsAProgramAndRunsItAgainAfterTheEnd)
{
    ShellRig empty;
    empty.Command(cmd::kCycleStart);
    EXPECT_FALSE(empty.s().runFlag);

    RunRig rig("N0010 G00 U0 W-1\r\nN0020 M30");
    rig.Command(cmd::kCycleStart);
    for (int turn = 0; turn < 5 && rig.s().runFlag; ++turn) rig.Turn();
    EXPECT_FALSE(rig.s().runFlag);
    EXPECT_STREQ(rig.s().lineTable.rows[0].data(), "N0010 G00 U0 W-1");  // reloaded for the next start
    rig.Command(cmd::kCycleStart);
    EXPECT_TRUE(rig.s().runFlag);
}

TEST(IdlePanel, SpindleButtonTogglesThroughThePanelKeys)
{
    ShellRig rig;
    rig.Command(cmd::kSpindle);
    EXPECT_EQ(rig.s().spindleState, 1);
    rig.Command(cmd::kSpindle);
    EXPECT_EQ(rig.s().spindleState, 0);

    rig.lathe().Release();
    rig.Command(cmd::kSpindle);
    EXPECT_EQ(rig.s().spindleState, 0);
    EXPECT_EQ(rig.alerts.messages, std::vector<std::string>{std::string(msg::kNotClamped)});
}

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
        EXPECT_TRUE(gate.Busy());
    });
    EXPECT_EQ(order, (std::vector<int>{1, 2, 3, 4}));
    EXPECT_FALSE(gate.Busy());
}

// The program's clock does not freeze the window: what is due meanwhile runs.
TEST(RunLoopClock, ServesTheWindowDuringAWait)
{
    bool served = false;
    QTimer::singleShot(0, [&] { served = true; });
    gui::RunLoopClock clock;
    clock.Wait(1);
    EXPECT_TRUE(served);
}

TEST(RunLoopClock, NoWaitForNothingOrAfterStop)
{
    std::vector<int> waits;
    gui::RunLoopClock clock([&](int ms) { waits.push_back(ms); });
    clock.Wait(0);
    clock.Wait(-2000);  // a negative dwell
    clock.Wait(40);
    clock.Stop();
    clock.Wait(500);
    EXPECT_EQ(waits, std::vector<int>{40});
}

// Counts the clicks that reach it.
struct ClickCounter : QWidget {
    int clicks = 0;
    void mousePressEvent(QMouseEvent*) override { ++clicks; }
};

TEST(GatedClicks, ClickOnTheViewDuringACallIsDeliveredAfterIt)
{
    gui::CoreGate gate;
    ClickCounter view;
    new gui::GatedClicks(gate, &view);
    auto click = [&] {
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(&view, &press);
    };
    click();
    EXPECT_EQ(view.clicks, 1);
    gate.Run([&] {
        click();
        EXPECT_EQ(view.clicks, 1);
    });
    EXPECT_EQ(view.clicks, 2);
}

}  // namespace
}  // namespace zan::test
