#include "gui/app/main_frame.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <algorithm>
#include <utility>

#include "gui/app/about_dlg.h"
#include "gui/app/command_ids.h"
#include "gui/app/display_zoom.h"
#include "gui/app/help_window.h"
#include "gui/app/run_loop.h"
#include "gui/app/toolbar_icons.h"
#include "gui/app/workpiece_files.h"
#include "gui/lathe/orbel_view.h"
#include "core/files/program_file.h"
#include "core/files/program_load.h"

namespace zan::gui {

namespace {

constexpr int kViewWidth = 1024;  // the lathe is drawn in 1024 x 768 view pixels
constexpr int kViewHeight = 768;
constexpr int kPanelWidth = 290;  // the operator panel as it opens
constexpr int kNarrowest = 600;   // the least width in pixels the window takes beside the panel

constexpr std::string_view kColourDepthTooLow = "请把显示颜色调至16位或以上!";
constexpr std::string_view kProgramUnreadable = "不能打开代码文件";

QString Text(const char* utf8) { return QString::fromUtf8(utf8); }

// A status-bar pane that shows a lock key's name. The toolkit cannot tell
// whether the lock is on, so the name is shown dimmed, never lit.
QLabel* LockPane(QWidget* parent, const char* name)
{
    auto* pane = new QLabel(Text(name), parent);
    pane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pane->setAlignment(Qt::AlignCenter);
    pane->setMinimumWidth(36);
    pane->setEnabled(false);
    return pane;
}

}  // namespace

QRect FrameGeometry(int screenWidth, int left)
{
    if (screenWidth < 1024) return QRect(kPanelWidth, 0, 510, 600);
    // Beside the panel's windows where that leaves the view room enough,
    // else where the panel stands at the size it opens with.
    if (screenWidth - left < kNarrowest) left = kPanelWidth;
    return QRect(left, 0, std::min(734, screenWidth - left), 768);
}

CMainFrame::CMainFrame(ShellSetup setup)
    : quit_(setup.quit ? std::move(setup.quit) : [] { QCoreApplication::exit(0); }),
      programs_(setup.programs ? ProgramFolder(*setup.programs) : ProgramFolder::OfExecutable()),
      data_(setup.data ? ProgramFolder(*setup.data) : ProgramFolder::OfExecutable()),
      alerts_(setup.alerts != nullptr ? *setup.alerts : qtAlerts_),
      clock_(setup.clock != nullptr ? *setup.clock : windowClock_)
{
    setWindowTitle(QStringLiteral("ZAN 400LT"));
    setWindowIcon(ProgramIcon());
    // The menu is the only way to hide the toolbar or the status bar.
    setContextMenuPolicy(Qt::NoContextMenu);
    createView();
    createCommands(setup);
    createActions();
    createMenus();
    createToolBar();
    createStatusBar();
    applyZoom();
    placeWindow();
    panelWindows_.OnPlacesChanged([this] { placeWindow(); });
    checkColourDepth();
    if (setup.startRunLoop) runLoop_->Start();
}

// The view and the controller go first, while the ports they were given live.
CMainFrame::~CMainFrame()
{
    runLoop_->Stop();
    commands_.reset();
    panelWindows_.Attach(nullptr);
    delete takeCentralWidget();
    view_ = nullptr;
    station_.reset();
}

QAction* CMainFrame::action(int commandId) const
{
    const auto found = actions_.find(commandId);
    return found == actions_.end() ? nullptr : found->second;
}

// The view keeps its full drawing size inside a host that clips it to the
// window, as the lathe is larger than the window on most screens.
void CMainFrame::createView()
{
    auto* host = new QWidget(this);
    host->setObjectName(QStringLiteral("view_host"));
    host->setAutoFillBackground(true);
    QPalette black = host->palette();
    black.setColor(QPalette::Window, Qt::black);
    host->setPalette(black);
    host->setMinimumSize(1, 1);
    setCentralWidget(host);

    station_ = std::make_unique<Station>(ControllerPorts{alerts_, clock_, panelWindows_, panelWindows_.fields()},
                                         StationOptions{UsesSmallLayout({}), data_, programs_});
    view_ = new COrbelView(*station_->view(), host);
    view_->setGeometry(0, 0, kViewWidth, kViewHeight);
    view_->Attach(*station_);
    panelInput_ = std::make_unique<StationPanelInput>(*station_);
    panelWindows_.Attach(panelInput_.get());
    runLoop_ = new RunLoop(*station_, clock_, this);
}

// The commands, with the desktop's file dialogs and viewer unless the setup
// brings its own.
void CMainFrame::createCommands(ShellSetup& setup)
{
    if (setup.settings == nullptr) {
        ownSettings_ = ProgramSettings();
        setup.settings = ownSettings_.get();
    }
    recent_ = std::make_unique<RecentFiles>(*setup.settings);
    settings_ = setup.settings;
    zoom_ = SavedZoom(*settings_);
    CommandServices services;
    services.chooseOpen = setup.chooseOpen ? std::move(setup.chooseOpen)
                                           : WorkpieceFileDialog(this, FileDialogKind::kOpen, [this] { return startFolder(); });
    services.chooseSave = setup.chooseSave ? std::move(setup.chooseSave)
                                           : WorkpieceFileDialog(this, FileDialogKind::kSave, [this] { return startFolder(); });
    if (setup.openDocument) {
        services.openDocument = std::move(setup.openDocument);
    } else {
        auto* help = new HelpWindow(this);
        services.openDocument = [help](const std::filesystem::path& file) { return help->Show(file); };
    }
    services.recent = recent_.get();
    services.endProgram = [this] { endProgram(); };
    commands_ = std::make_unique<ViewCommands>(*this, *view_, *station_, std::move(services));
}

QAction* CMainFrame::addCommand(int commandId, const QString& text, const QString& statusTip)
{
    auto* action = new QAction(text, this);
    action->setData(commandId);
    action->setStatusTip(statusTip);
    actions_[commandId] = action;
    if (commands_->Handles(commandId))
        connect(action, &QAction::triggered, this, [this, commandId] { issue(commandId); });
    return action;
}

void CMainFrame::createActions()
{
    QAction* toolBarShown = addCommand(cmd::kViewToolBar, Text("工具栏(&T)"), Text("显示或隐藏工具栏"));
    QAction* statusBarShown = addCommand(cmd::kViewStatusBar, Text("状态栏(&S)"), Text("显示或隐藏状态栏"));
    toolBarShown->setToolTip(Text("显隐工具栏"));
    statusBarShown->setToolTip(Text("显隐状态栏"));
    for (QAction* shown : {toolBarShown, statusBarShown}) {
        shown->setCheckable(true);
        shown->setChecked(true);
    }
    connect(toolBarShown, &QAction::toggled, this, [this](bool on) { toolBar_->setVisible(on); });
    connect(statusBarShown, &QAction::toggled, this, [this](bool on) { statusBar()->setVisible(on); });

    addCommand(cmd::kSpeed, Text("速度设置(&S)"));
    addCommand(cmd::kExit, Text("退出程序(&Q)"));
    addCommand(cmd::kMeasureDiameter, Text("直径测量(&R)"), Text("测量工件的直径。"));
    addCommand(cmd::kMeasureLengthManual, Text("手动测量(&L)"), Text("由鼠标分别确定要测量的两点。"));
    addCommand(cmd::kMeasureLengthAuto, Text("自动测量(&A)"), Text("自动寻找鼠标所在处凸起或凹陷段的长度。"));
    addCommand(cmd::kBlankParameters, Text("毛坯参数(&G)"));
    addCommand(cmd::kTrace, Text("刀具轨迹(&T)"));
    // Items without a handler are shown greyed.
    addCommand(cmd::kInitialSettings, Text("初始化设置(&C)"), Text("设置程序开始和初始化时候的各项参数"))->setEnabled(false);
    addCommand(cmd::kInitialise, Text("初始化(&R)"), Text("初始化程序"));
    addCommand(cmd::kTailstock, Text("顶尖操作(&D)"));
    addCommand(cmd::kClamp, Text("夹紧工件(&J)"), Text("用卡盘夹紧工件"));
    addCommand(cmd::kRelease, Text("松开工件(&S)"), Text("卡盘松开"));
    addCommand(cmd::kTool1, Text("一号刀(&Q)"));
    addCommand(cmd::kTool2, Text("二号刀(&W)"));
    addCommand(cmd::kTool3, Text("三号刀(&Z)"));
    addCommand(cmd::kTool4, Text("四号刀(&J)"));
    addCommand(cmd::kCustomTool, Text("定制刀具(&d)"), Text("设定刀具的形状。"));
    addCommand(cmd::kRefreshWorkpiece, Text("刷新工件(&S)"))->setEnabled(false);
    QAction* about = addCommand(cmd::kAbout, Text("关于程序(&A)..."), Text("工件掉头"));
    connect(about, &QAction::triggered, this, &CMainFrame::about);
    addCommand(cmd::kHelpText, Text("程序说明(&T)"), Text("有关本程序的功能、注意事项等的说明。"));
    createToolBarActions();
}

// The toolbar's commands, with the accelerator keys. The keys act while the
// window is active even with the toolbar hidden, so the actions belong to the
// window as well. None of them touches the clipboard: Ctrl+C clamps the
// workpiece, Ctrl+X releases it, Ctrl+V initialises.
void CMainFrame::createToolBarActions()
{
    struct Button {
        int command;
        const char* tip;
        const char* prompt;
        QList<QKeySequence> keys;
    };
    const Button buttons[] = {
        {cmd::kOpenImage, "打开工件映像文件", "打开一个工件映像文件以代替当前工件", {QKeySequence(Qt::CTRL | Qt::Key_O)}},
        {cmd::kSaveImage, "保存工件的映像文件", "把当前工件的形状储存到映像文件", {QKeySequence(Qt::CTRL | Qt::Key_S)}},
        {cmd::kCycleStart, "循环启动", "循环启动", {QKeySequence(Qt::CTRL | Qt::Key_N)}},
        {cmd::kFeedHold, "进给保持", "进给保持", {QKeySequence(Qt::CTRL | Qt::Key_P)}},
        {cmd::kReleaseWorkpiece, "松开工件", "卡盘松开工件",
         {QKeySequence(Qt::CTRL | Qt::Key_X), QKeySequence(Qt::SHIFT | Qt::Key_Delete)}},
        {cmd::kClampWorkpiece, "夹紧工件", "卡盘夹紧工件",
         {QKeySequence(Qt::CTRL | Qt::Key_C), QKeySequence(Qt::CTRL | Qt::Key_Insert)}},
        {cmd::kInitialiseBlank, "初始化", "初始化毛坯及刀具位置",
         {QKeySequence(Qt::CTRL | Qt::Key_V), QKeySequence(Qt::SHIFT | Qt::Key_Insert)}},
        {cmd::kTurnEndForEnd, "工件掉头", "改变工件装夹的方向", {}},
        {cmd::kSpindle, "主轴操作", "按一次开启主轴再按一次将关闭主轴", {}},
        {cmd::kRapidFeed, "快速/进给", "快速与进给之间的切换", {}},
        {cmd::kTraceButton, "刀具轨迹", "刀具轨迹显示控制", {}},
        {cmd::kSecondPanel, "第二控制面板", "打开第二控制面板", {}},
    };
    for (const Button& button : buttons) {
        QAction* action = addCommand(button.command, Text(button.tip), Text(button.prompt));
        action->setToolTip(Text(button.tip));
        action->setIcon(ToolbarIcon(button.command));
        action->setShortcuts(button.keys);
        addAction(action);
    }
}

void CMainFrame::createMenus()
{
    QMenu* program = menuBar()->addMenu(Text("程序设置(&F)"));
    QMenu* show = program->addMenu(Text("查看(&V)"));
    show->addAction(action(cmd::kViewToolBar));
    show->addAction(action(cmd::kViewStatusBar));
    show->addMenu(ZoomMenu(this, zoom_, [this](qreal zoom) { setZoom(zoom); }));
    program->addAction(action(cmd::kSpeed));
    program->addAction(action(cmd::kExit));

    QMenu* measure = menuBar()->addMenu(Text("工件测量(&C)"));
    measure->addAction(action(cmd::kMeasureDiameter));
    QMenu* length = measure->addMenu(Text("长度测量(&L)"));
    length->addAction(action(cmd::kMeasureLengthManual));
    length->addAction(action(cmd::kMeasureLengthAuto));

    QMenu* parameters = menuBar()->addMenu(Text("参数设置(&P)"));
    parameters->addAction(action(cmd::kBlankParameters));
    parameters->addAction(action(cmd::kTrace));
    parameters->addAction(action(cmd::kInitialSettings));

    QMenu* machine = menuBar()->addMenu(Text("机床操作(&O)"));
    machine->addAction(action(cmd::kInitialise));
    machine->addAction(action(cmd::kTailstock));
    machine->addSeparator();
    machine->addAction(action(cmd::kClamp));
    machine->addAction(action(cmd::kRelease));
    machine->addSeparator();
    QMenu* tools = machine->addMenu(Text("刀具选择(&K)"));
    for (int id : {cmd::kTool1, cmd::kTool2, cmd::kTool3, cmd::kTool4, cmd::kCustomTool}) tools->addAction(action(id));
    machine->addAction(action(cmd::kRefreshWorkpiece));

    QMenu* help = menuBar()->addMenu(Text("帮助(&H)"));
    help->addAction(action(cmd::kAbout));
    help->addAction(action(cmd::kHelpText));
}

// Flat buttons in one row, movable by their handle and dockable on every side.
void CMainFrame::createToolBar()
{
    toolBar_ = new QToolBar(Text("工具栏"), this);
    toolBar_->setObjectName(QStringLiteral("toolbar"));
    toolBar_->setIconSize(kToolbarIconSize);
    toolBar_->setMovable(true);
    toolBar_->setAllowedAreas(Qt::AllToolBarAreas);
    for (int id : {cmd::kOpenImage, cmd::kSaveImage, cmd::kCycleStart, cmd::kFeedHold, cmd::kReleaseWorkpiece,
                   cmd::kClampWorkpiece, cmd::kInitialiseBlank, cmd::kTurnEndForEnd, cmd::kSpindle, cmd::kRapidFeed,
                   cmd::kTraceButton, cmd::kSecondPanel})
        toolBar_->addAction(action(id));
    addToolBar(Qt::TopToolBarArea, toolBar_);
}

// The idle text gives way to a command's prompt while one is pointed at.
void CMainFrame::createStatusBar()
{
    idleText_ = new QLabel(Text("就绪"), statusBar());
    statusBar()->addWidget(idleText_, 1);
    statusBar()->addPermanentWidget(LockPane(statusBar(), "大写"));
    statusBar()->addPermanentWidget(LockPane(statusBar(), "数字"));
    statusBar()->addPermanentWidget(LockPane(statusBar(), "滚动"));
}

// Right of the operator panel and its second key pad, as far right as the
// panel reaches at its largest, so that nothing covers the menu or the
// toolbar. The size is the whole window's: once the desktop has framed the
// window, the inside gives way for the title bar and the borders.
void CMainFrame::placeWindow()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect panels = panelWindows_.Extent();
    const QRect wanted = FrameGeometry(screen != nullptr ? screen->geometry().width() : 1024,
                                       panels.isEmpty() ? kPanelWidth : panels.right() + 1);
    if (frameGeometry() == wanted) return;
    const QSize decoration = frameGeometry().size() - size();
    move(wanted.topLeft());
    resize(wanted.size() - decoration);
}

// The desktop's frame arrives after the window is shown: the first move or
// resize that shows it places the window again.
void CMainFrame::fitFrame()
{
    if (framed_ || frameGeometry().size() == size()) return;
    framed_ = true;
    placeWindow();
}

void CMainFrame::moveEvent(QMoveEvent* event)
{
    QMainWindow::moveEvent(event);
    fitFrame();
}

void CMainFrame::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    fitFrame();
}

// The panel, its pad and the view at the zoom chosen, kept for the next start.
void CMainFrame::setZoom(qreal zoom)
{
    zoom_ = zoom;
    SaveZoom(*settings_, zoom);
    applyZoom();
}

void CMainFrame::applyZoom()
{
    panelWindows_.SetZoom(zoom_);
    view_->SetZoom(zoom_);
    placeWindow();
}

void CMainFrame::checkColourDepth()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen != nullptr && screen->depth() < 16) alerts_.Message(kColourDepthTooLow);
}

void CMainFrame::issue(int commandId) { commands_->Issue(commandId); }

void CMainFrame::about()
{
    CAboutDlg dialog(this);
    dialog.exec();
}

QString CMainFrame::startFolder()
{
    const QString recent = recent_->LastFolder();
    return recent.isEmpty() ? QString::fromStdString(programs_.dir().string()) : recent;
}

bool CMainFrame::LoadProgram(const std::filesystem::path& file)
{
    // A bare name that is not in the current folder is a program of the store
    // ("zan400lt 01.zan").
    std::error_code error;
    const bool inStore = file.is_relative() && !std::filesystem::exists(file, error);
    const ProgramLoad program = LoadProgramFile(inStore ? programs_.File(file.string()) : file);
    if (!program.text) {
        alerts_.Message(kProgramUnreadable);
        return false;
    }
    // As the panel's AUTO: the first 999 lines are loaded, and the student is told.
    station_->LoadProgram(*program.text);
    if (program.linesLeftOut) {
        alerts_.Message(kTooManyLinesMessage);
        return false;
    }
    return true;
}

// Closing the window ends the program at once, as the exit command does
// after its question; nothing is left to save.
void CMainFrame::closeEvent(QCloseEvent* event)
{
    endProgram();
    event->accept();
}

void CMainFrame::endProgram()
{
    runLoop_->Stop();
    quit_();
}

}  // namespace zan::gui
