// The main window as the student meets it: its menu, toolbar, keys and status
// bar, and the commands that end the program, show the help text and move
// workpiece images in and out.

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>
#include <fstream>
#include <utility>
#include <gtest/gtest.h>

#include "gui/app/command_ids.h"
#include "gui/app/help_text.h"
#include "gui/app/recent_files.h"
#include "gui/lathe/orbel_view.h"
#include "gui/panel/first_panel_dlg.h"
#include "gui/panel/second_panel_dlg.h"
#include "core/lathe/messages.h"
#include "shell_rig.h"

namespace zan::test {
namespace {

namespace cmd = gui::cmd;

// "caption id", "caption [submenu items]" or "----", comma-separated; greyed
// items end in " disabled".
std::string Items(const QList<QAction*>& actions)
{
    std::string out;
    for (QAction* a : actions) {
        out += out.empty() ? "" : ", ";
        if (a->isSeparator()) {
            out += "----";
            continue;
        }
        out += a->text().toStdString();
        out += a->menu() ? " [" + Items(a->menu()->actions()) + "]" : " " + std::to_string(a->data().toInt());
        if (!a->isEnabled()) out += " disabled";
    }
    return out;
}

// The View menu's two items hide the bars.
TEST(MainFrame, MenuToolbarAndStatusBarAreTheControllers)
{
    ShellRig rig;
    EXPECT_EQ(Items(rig.frame->menuBar()->actions()),
              "程序设置(&F) [查看(&V) [工具栏(&T) 59392, 状态栏(&S) 59393, 面板与视图大小(&Z) [1 倍(&1) 0, 1.5 倍(&2) 0, 2 倍(&3) 0, 3 倍(&4) 0]], 速度设置(&S) 32795, 退出程序(&Q) 32781], "
              "工件测量(&C) [直径测量(&R) 32792, 长度测量(&L) [手动测量(&L) 32793, 自动测量(&A) 32794]], "
              "参数设置(&P) [毛坯参数(&G) 32776, 刀具轨迹(&T) 32798, 初始化设置(&C) 32785 disabled], "
              "机床操作(&O) [初始化(&R) 32774, 顶尖操作(&D) 32799, ----, 夹紧工件(&J) 32783, 松开工件(&S) 32784, ----, "
              "刀具选择(&K) [一号刀(&Q) 32778, 二号刀(&W) 32797, 三号刀(&Z) 32790, 四号刀(&J) 32779, 定制刀具(&d) 32807], "
              "刷新工件(&S) 32806 disabled], "
              "帮助(&H) [关于程序(&A)... 57664, 程序说明(&T) 32796]");

    // Twelve buttons, every one always usable: id, tool tip / status-bar prompt.
    std::string buttons;
    for (QAction* b : rig.frame->toolBar()->actions())
        buttons += std::to_string(b->data().toInt()) + " " + b->toolTip().toStdString() + " / " +
                   b->statusTip().toStdString() + (b->isEnabled() && !b->icon().isNull() ? "\n" : " unusable\n");
    EXPECT_EQ(buttons,
              "57601 打开工件映像文件 / 打开一个工件映像文件以代替当前工件\n"
              "57603 保存工件的映像文件 / 把当前工件的形状储存到映像文件\n"
              "57600 循环启动 / 循环启动\n"
              "57607 进给保持 / 进给保持\n"
              "57635 松开工件 / 卡盘松开工件\n"
              "57634 夹紧工件 / 卡盘夹紧工件\n"
              "57637 初始化 / 初始化毛坯及刀具位置\n"
              "32804 工件掉头 / 改变工件装夹的方向\n"
              "32800 主轴操作 / 按一次开启主轴再按一次将关闭主轴\n"
              "32801 快速/进给 / 快速与进给之间的切换\n"
              "32802 刀具轨迹 / 刀具轨迹显示控制\n"
              "32805 第二控制面板 / 打开第二控制面板\n");

    std::vector<std::string> panes;
    for (QLabel* label : rig.frame->statusBar()->findChildren<QLabel*>()) panes.push_back(label->text().toStdString());
    EXPECT_EQ(panes, (std::vector<std::string>{"就绪", "大写", "数字", "滚动"}));
    EXPECT_EQ(rig.frame->windowTitle().toStdString(), "ZAN 400LT");

    rig.frame->action(cmd::kViewToolBar)->trigger();
    rig.frame->action(cmd::kViewStatusBar)->trigger();
    EXPECT_FALSE(rig.frame->toolBar()->isVisibleTo(rig.frame.get()));
    EXPECT_FALSE(rig.frame->statusBar()->isVisibleTo(rig.frame.get()));
}

// Pressed for real: Ctrl+C clamps, Ctrl+X releases, Ctrl+V initialises, and
// the clipboard keeps what it held. The other keys are checked by their binding.
TEST(MainFrame, KeysDriveTheirCommandsAndLeaveTheClipboardAlone)
{
    ShellRig rig;
    const std::pair<QKeySequence, int> bound[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_N), 57600}, {QKeySequence(Qt::CTRL | Qt::Key_O), 57601},
        {QKeySequence(Qt::CTRL | Qt::Key_S), 57603}, {QKeySequence(Qt::CTRL | Qt::Key_P), 57607},
        {QKeySequence(Qt::SHIFT | Qt::Key_Insert), 57637}};
    for (const auto& [key, id] : bound) EXPECT_TRUE(rig.frame->action(id)->shortcuts().contains(key)) << id;

    rig.frame->show();
    // The first repaint opens the operator panel's windows; the keys go to the main window.
    QCoreApplication::processEvents();
    QApplication::setActiveWindow(rig.frame.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(rig.frame.get()));
    QApplication::clipboard()->setText(QStringLiteral("G01 X20"));
    rig.alerts.answer = false;
    const std::pair<Qt::Key, Qt::KeyboardModifier> chuckKeys[] = {  // release, clamp, release, clamp
        {Qt::Key_X, Qt::ControlModifier}, {Qt::Key_C, Qt::ControlModifier},
        {Qt::Key_Delete, Qt::ShiftModifier}, {Qt::Key_Insert, Qt::ControlModifier}};
    bool open = true;
    for (const auto& [key, modifier] : chuckKeys) {
        QTest::keyClick(rig.frame.get(), key, modifier);
        EXPECT_EQ(rig.s().chuckOpen, open) << key;
        open = !open;
    }
    QTest::keyClick(rig.frame.get(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(rig.alerts.questions, std::vector<std::string>{std::string(msg::kInitialiseQuestion)});
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(), "G01 X20");
    EXPECT_TRUE(rig.alerts.messages.empty());
}

// Beside the panel's windows, narrower where the screen ends; where that
// leaves less than 600 pixels, where the panel opens; small screens as ever.
TEST(MainFrame, WindowSitsRightOfThePanelSizedByTheScreen)
{
    EXPECT_EQ(gui::FrameGeometry(1024), QRect(290, 0, 734, 768));
    EXPECT_EQ(gui::FrameGeometry(1280), QRect(290, 0, 734, 768));
    EXPECT_EQ(gui::FrameGeometry(800), QRect(290, 0, 510, 600));
    EXPECT_EQ(gui::FrameGeometry(1366, 635), QRect(635, 0, 731, 768));
    EXPECT_EQ(gui::FrameGeometry(1920, 635), QRect(635, 0, 734, 768));
    EXPECT_EQ(gui::FrameGeometry(1366, 767), QRect(290, 0, 734, 768));  // 599 pixels would be left
    EXPECT_EQ(gui::FrameGeometry(1024, 635), QRect(290, 0, 734, 768));
}

// The exit command asks first; closing the window ends the program at once.
TEST(MainFrame, ExitEndsOnlyWhenConfirmedClosingEndsAtOnce)
{
    ShellRig rig;
    rig.alerts.answer = false;
    rig.Command(cmd::kExit);
    EXPECT_EQ(rig.quits, 0);
    rig.alerts.answer = true;
    rig.Command(cmd::kExit);
    EXPECT_EQ(rig.quits, 1);
    EXPECT_EQ(rig.alerts.questions, (std::vector<std::string>(2, std::string(msg::kExitQuestion))));
    rig.frame->show();
    rig.frame->close();
    EXPECT_EQ(rig.quits, 2);
    EXPECT_EQ(rig.alerts.questions.size(), 2u);
}

// A zoom chosen from the menu enlarges the panel and the view, and is there
// again at the next start; an unknown one in the settings counts as 1.
TEST(MainFrame, ZoomFromTheMenuIsKeptForTheNextStart)
{
    ShellRig rig;
    QAction* twice = nullptr;
    for (QAction* item : rig.frame->findChildren<QAction*>())
        if (item->text() == QStringLiteral("2 倍(&3)")) twice = item;
    ASSERT_NE(twice, nullptr);
    twice->trigger();
    EXPECT_EQ(rig.frame->view().size(), QSize(2048, 1536));
    EXPECT_EQ(rig.frame->panelWindows().panel().zoom(), 2);
    rig.frame.reset();

    gui::ShellSetup again;
    again.alerts = &rig.alerts;
    again.settings = rig.settings.get();
    again.openDocument = [](const std::filesystem::path&) { return true; };
    again.startRunLoop = false;
    auto frame = std::make_unique<gui::CMainFrame>(std::move(again));
    EXPECT_EQ(frame->view().zoom(), 2);
    EXPECT_EQ(frame->panelWindows().panel().zoom(), 2);
    frame->panelWindows().OpenPanel();
    frame->panelWindows().OpenSecondPad();
    EXPECT_EQ(frame->panelWindows().panel().size(), QSize(580, 700));
    EXPECT_EQ(frame->panelWindows().pad().width(), 580);  // as high as the screen leaves it
    frame.reset();

    rig.settings->setValue("Display/Zoom", 2.5);
    gui::ShellSetup odd;
    odd.alerts = &rig.alerts;
    odd.settings = rig.settings.get();
    odd.startRunLoop = false;
    odd.openDocument = [](const std::filesystem::path&) { return true; };
    EXPECT_EQ(gui::CMainFrame(std::move(odd)).view().zoom(), 1);
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

    std::ofstream(folder.File("anouncement.txt")) << "说明";
    gui::OpenHelpText(folder, alerts, open);
    EXPECT_EQ(shown, std::vector<std::filesystem::path>{folder.File("anouncement.txt")});
    EXPECT_EQ(alerts.messages.size(), 1u);
    viewerWorks = false;
    gui::OpenHelpText(folder, alerts, open);
    EXPECT_EQ(alerts.messages.size(), 2u);
}

// The file format is the machine's business; here: the commands reach the
// files, failures are reported, and both remember the file.
TEST(WorkpieceImages, SaveAndOpenGoThroughTheChosenFile)
{
    ShellRig rig;
    rig.Command(cmd::kSaveImage);  // the dialog was cancelled
    rig.saveChoice = rig.Path("no such folder/part.map");
    rig.Command(cmd::kSaveImage);
    EXPECT_EQ(rig.alerts.messages, std::vector<std::string>{"工件镜像文件保存失败!"});

    rig.saveChoice = rig.Path("part.map");
    rig.Command(cmd::kSaveImage);
    EXPECT_EQ(std::filesystem::file_size(*rig.saveChoice), 1005u);
    rig.openChoice = rig.Path("copy.map");
    std::filesystem::copy_file(*rig.saveChoice, *rig.openChoice);
    const int diameter = std::exchange(rig.s().blankDiameter, 60);
    const double edge = std::exchange(rig.s().profile[400], 252.0);
    rig.Command(cmd::kOpenImage);
    EXPECT_EQ(rig.s().blankDiameter, diameter);
    EXPECT_EQ(rig.s().profile[400], edge);
    EXPECT_EQ(rig.alerts.messages.size(), 1u);
    EXPECT_EQ(gui::RecentFiles(*rig.settings).List(),
              (QStringList{QString::fromStdString(rig.openChoice->string()), QString::fromStdString(rig.saveChoice->string())}));
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

}  // namespace
}  // namespace zan::test
