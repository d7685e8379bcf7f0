// The main window as the student meets it: its menu, toolbar, keys and status
// bar, and the commands that end the program, show the help text and move
// workpiece images in and out.

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>
#include <fstream>
#include <gtest/gtest.h>

#include "app/command_ids.h"
#include "app/help_text.h"
#include "app/recent_files.h"
#include "lathe/messages.h"
#include "shell_rig.h"

namespace zan::test {
namespace {

namespace cmd = gui::cmd;

// One line per item: caption, command id, "disabled" where it is greyed;
// submenus indented below their caption, separators as "----".
void Dump(const QList<QAction*>& actions, int depth, std::string& out)
{
    for (QAction* a : actions) {
        out += std::string(std::size_t(depth) * 2, ' ');
        if (a->isSeparator()) {
            out += "----\n";
            continue;
        }
        out += a->text().toStdString();
        if (!a->menu()) out += " " + std::to_string(a->data().toInt());
        if (!a->isEnabled()) out += " disabled";
        out += "\n";
        if (a->menu()) Dump(a->menu()->actions(), depth + 1, out);
    }
}

TEST(MainFrame, MenuHasEveryCaptionAccessKeyAndSubmenu)
{
    ShellRig rig;
    std::string menu;
    Dump(rig.frame->menuBar()->actions(), 0, menu);
    EXPECT_EQ(menu,
              "程序设置(&F)\n"
              "  查看(&V)\n"
              "    工具栏(&T) 59392\n"
              "    状态栏(&S) 59393\n"
              "  速度设置(&S) 32795\n"
              "  退出程序(&Q) 32781\n"
              "工件测量(&C)\n"
              "  直径测量(&R) 32792\n"
              "  长度测量(&L)\n"
              "    手动测量(&L) 32793\n"
              "    自动测量(&A) 32794\n"
              "参数设置(&P)\n"
              "  毛坯参数(&G) 32776\n"
              "  刀具轨迹(&T) 32798\n"
              "  初始化设置(&C) 32785 disabled\n"
              "机床操作(&O)\n"
              "  初始化(&R) 32774\n"
              "  顶尖操作(&D) 32799\n"
              "  ----\n"
              "  夹紧工件(&J) 32783\n"
              "  松开工件(&S) 32784\n"
              "  ----\n"
              "  刀具选择(&K)\n"
              "    一号刀(&Q) 32778\n"
              "    二号刀(&W) 32797\n"
              "    三号刀(&Z) 32790\n"
              "    四号刀(&J) 32779\n"
              "    定制刀具(&d) 32807\n"
              "  刷新工件(&S) 32806 disabled\n"
              "帮助(&H)\n"
              "  关于程序(&A)... 57664\n"
              "  程序说明(&T) 32796\n");
}

TEST(MainFrame, ToolbarHasTwelveButtonsInOrderWithTipsAndPrompts)
{
    ShellRig rig;
    struct Expected {
        int id;
        const char* tip;
        const char* prompt;
    };
    const Expected expected[] = {
        {57601, "打开工件映像文件", "打开一个工件映像文件以代替当前工件"},
        {57603, "保存工件的映像文件", "把当前工件的形状储存到映像文件"},
        {57600, "循环启动", "循环启动"},
        {57607, "进给保持", "进给保持"},
        {57635, "松开工件", "卡盘松开工件"},
        {57634, "夹紧工件", "卡盘夹紧工件"},
        {57637, "初始化", "初始化毛坯及刀具位置"},
        {32804, "工件掉头", "改变工件装夹的方向"},
        {32800, "主轴操作", "按一次开启主轴再按一次将关闭主轴"},
        {32801, "快速/进给", "快速与进给之间的切换"},
        {32802, "刀具轨迹", "刀具轨迹显示控制"},
        {32805, "第二控制面板", "打开第二控制面板"},
    };
    const QList<QAction*> buttons = rig.frame->toolBar()->actions();
    ASSERT_EQ(buttons.size(), 12);
    for (int i = 0; i < 12; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(buttons[i]->data().toInt(), expected[i].id);
        EXPECT_EQ(buttons[i]->toolTip().toStdString(), expected[i].tip);
        EXPECT_EQ(buttons[i]->statusTip().toStdString(), expected[i].prompt);
        EXPECT_TRUE(buttons[i]->isEnabled());
        EXPECT_FALSE(buttons[i]->icon().isNull());
    }
}

TEST(MainFrame, AcceleratorsBelongToTheirCommands)
{
    ShellRig rig;
    const std::pair<QKeySequence, int> keys[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_N), 57600},      {QKeySequence(Qt::CTRL | Qt::Key_O), 57601},
        {QKeySequence(Qt::CTRL | Qt::Key_S), 57603},      {QKeySequence(Qt::CTRL | Qt::Key_P), 57607},
        {QKeySequence(Qt::CTRL | Qt::Key_X), 57635},      {QKeySequence(Qt::SHIFT | Qt::Key_Delete), 57635},
        {QKeySequence(Qt::CTRL | Qt::Key_C), 57634},      {QKeySequence(Qt::CTRL | Qt::Key_Insert), 57634},
        {QKeySequence(Qt::CTRL | Qt::Key_V), 57637},      {QKeySequence(Qt::SHIFT | Qt::Key_Insert), 57637},
    };
    for (const auto& [key, id] : keys) {
        SCOPED_TRACE(key.toString().toStdString());
        EXPECT_TRUE(rig.frame->action(id)->shortcuts().contains(key));
    }
}

// Pressed for real: Ctrl+C clamps, Ctrl+X releases, Ctrl+V initialises, and
// the clipboard keeps what it held.
TEST(MainFrame, EditKeysDriveTheChuckAndLeaveTheClipboardAlone)
{
    ShellRig rig;
    rig.frame->show();
    QApplication::setActiveWindow(rig.frame.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(rig.frame.get()));
    QApplication::clipboard()->setText(QStringLiteral("G01 X20"));
    rig.alerts.answer = false;

    QTest::keyClick(rig.frame.get(), Qt::Key_X, Qt::ControlModifier);
    EXPECT_TRUE(rig.s().chuckOpen);
    QTest::keyClick(rig.frame.get(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_FALSE(rig.s().chuckOpen);
    QTest::keyClick(rig.frame.get(), Qt::Key_Delete, Qt::ShiftModifier);
    EXPECT_TRUE(rig.s().chuckOpen);
    QTest::keyClick(rig.frame.get(), Qt::Key_Insert, Qt::ControlModifier);
    EXPECT_FALSE(rig.s().chuckOpen);
    QTest::keyClick(rig.frame.get(), Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(rig.alerts.questions.size(), 1u);
    EXPECT_EQ(rig.alerts.questions[0], msg::kInitialiseQuestion);

    EXPECT_EQ(QApplication::clipboard()->text().toStdString(), "G01 X20");
    EXPECT_TRUE(rig.alerts.messages.empty());
}

TEST(MainFrame, StatusBarShowsReadyAndTheThreeLockPanes)
{
    ShellRig rig;
    std::vector<std::string> texts;
    for (QLabel* label : rig.frame->statusBar()->findChildren<QLabel*>()) texts.push_back(label->text().toStdString());
    EXPECT_EQ(texts, (std::vector<std::string>{"就绪", "大写", "数字", "滚动"}));
    EXPECT_EQ(rig.frame->windowTitle().toStdString(), "ZAN 400LT");
}

TEST(MainFrame, ViewMenuHidesAndShowsToolbarAndStatusBar)
{
    ShellRig rig;
    rig.frame->show();
    rig.frame->action(cmd::kViewToolBar)->trigger();
    rig.frame->action(cmd::kViewStatusBar)->trigger();
    EXPECT_FALSE(rig.frame->toolBar()->isVisible());
    EXPECT_FALSE(rig.frame->statusBar()->isVisible());
    rig.frame->action(cmd::kViewToolBar)->trigger();
    EXPECT_TRUE(rig.frame->toolBar()->isVisible());
}

TEST(MainFrame, WindowSitsRightOfThePanelSizedByTheScreen)
{
    EXPECT_EQ(gui::FrameGeometry(1024), QRect(290, 0, 734, 768));
    EXPECT_EQ(gui::FrameGeometry(1280), QRect(290, 0, 734, 768));
    EXPECT_EQ(gui::FrameGeometry(800), QRect(290, 0, 510, 600));
}

TEST(MainFrame, ExitEndsOnlyWhenConfirmed)
{
    ShellRig rig;
    rig.alerts.answer = false;
    rig.Command(cmd::kExit);
    EXPECT_EQ(rig.quits, 0);
    rig.alerts.answer = true;
    rig.Command(cmd::kExit);
    EXPECT_EQ(rig.quits, 1);
    EXPECT_EQ(rig.alerts.questions, (std::vector<std::string>(2, std::string(msg::kExitQuestion))));
}

TEST(MainFrame, ClosingTheWindowEndsTheProgramWithoutAsking)
{
    ShellRig rig;
    rig.frame->show();
    rig.frame->close();
    EXPECT_EQ(rig.quits, 1);
    EXPECT_TRUE(rig.alerts.questions.empty());
}

TEST(HelpText, MissingFileOrViewerIsReported)
{
    QTemporaryDir dir;
    const ProgramFolder folder(dir.path().toStdString());
    RecordingAlerts alerts;
    std::vector<std::filesystem::path> shown;
    bool viewerWorks = true;
    auto open = [&](const std::filesystem::path& file) {
        shown.push_back(file);
        return viewerWorks;
    };

    gui::OpenHelpText(folder, alerts, open);
    ASSERT_EQ(alerts.messages.size(), 1u);
    EXPECT_NE(alerts.messages[0].find("anouncement.txt"), std::string::npos);
    EXPECT_TRUE(shown.empty());

    std::ofstream(folder.File("anouncement.txt")) << "说明";
    gui::OpenHelpText(folder, alerts, open);
    EXPECT_EQ(alerts.messages.size(), 1u);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0], folder.File("anouncement.txt"));

    viewerWorks = false;
    gui::OpenHelpText(folder, alerts, open);
    EXPECT_EQ(alerts.messages.size(), 2u);
}

TEST(WorkpieceImages, SaveWritesTheImageAndRemembersIt)
{
    ShellRig rig;
    rig.saveChoice = rig.Path("part.map");
    rig.Command(cmd::kSaveImage);
    EXPECT_EQ(std::filesystem::file_size(*rig.saveChoice), 1005u);
    EXPECT_TRUE(rig.alerts.messages.empty());
    const QStringList recent = gui::RecentFiles(*rig.settings).List();
    ASSERT_EQ(recent.size(), 1);
    EXPECT_EQ(recent[0].toStdString(), rig.saveChoice->string());
}

TEST(WorkpieceImages, CancelledSaveIsSilentAndFailedSaveIsReported)
{
    ShellRig rig;
    rig.Command(cmd::kSaveImage);  // the dialog was cancelled
    EXPECT_TRUE(rig.alerts.messages.empty());

    rig.saveChoice = rig.Path("no such folder/part.map");
    rig.Command(cmd::kSaveImage);
    EXPECT_EQ(rig.alerts.messages, std::vector<std::string>{"工件镜像文件保存失败!"});
    EXPECT_FALSE(std::filesystem::exists(*rig.saveChoice));
}

TEST(WorkpieceImages, OpenReplacesTheWorkpieceUnlessRunning)
{
    ShellRig rig;
    std::string image(1005, '\0');
    std::fill(image.begin(), image.begin() + 1000, char(10));  // radius 10 everywhere
    image[1000] = char(60);                                    // diameter 60
    image[1001] = char(30);                                    // end at column 300
    const std::filesystem::path file = rig.Path("part.map");
    std::ofstream(file, std::ios::binary) << image;
    rig.openChoice = file;

    rig.s().runFlag = true;
    rig.Command(cmd::kOpenImage);
    EXPECT_EQ(rig.alerts.messages, std::vector<std::string>{"程序在运行中!"});
    EXPECT_NE(rig.s().blankDiameter, 60);

    rig.s().runFlag = false;
    rig.Command(cmd::kOpenImage);
    EXPECT_EQ(rig.s().blankDiameter, 60);
    EXPECT_EQ(rig.s().blankEnd, 300);
    EXPECT_EQ(rig.s().profile[400], 252.0);
    EXPECT_EQ(gui::RecentFiles(*rig.settings).List().size(), 1);
}

TEST(RecentFiles, KeepsTheFourNewestWithoutRepeats)
{
    QTemporaryDir dir;
    QSettings settings(dir.filePath("s.ini"), QSettings::IniFormat);
    gui::RecentFiles recent(settings);
    for (const char* name : {"/a.map", "/b.map", "/c.map", "/d.map", "/e.map", "/c.map"}) recent.Add(name);
    EXPECT_EQ(recent.List(), (QStringList{"/c.map", "/e.map", "/d.map", "/b.map"}));
    EXPECT_EQ(recent.LastFolder(), QStringLiteral("/"));
}

TEST(StartupProgram, CommandLineProgramIsLoadedOrReported)
{
    ShellRig rig;
    EXPECT_FALSE(rig.frame->LoadProgram(rig.Path("missing.zan")));
    EXPECT_EQ(rig.alerts.messages, std::vector<std::string>{"不能打开代码文件"});

    const std::filesystem::path file = rig.Path("01.zan");
    std::ofstream(file, std::ios::binary) << "N0010 G00 X80\r\nN0020 M30";
    EXPECT_TRUE(rig.frame->LoadProgram(file));
    EXPECT_STREQ(rig.s().lineTable.rows[0].data(), "N0010 G00 X80");
    EXPECT_STREQ(rig.s().lineTable.rows[1].data(), "N0020 M30");
}

}  // namespace
}  // namespace zan::test
