// The blank, speed and custom tool dialogs: what they accept, what they
// refuse, and what they hand to the machine.

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTest>
#include <gtest/gtest.h>

#include "gui/app/command_ids.h"
#include "gui/dialogs/blank_dlg.h"
#include "core/lathe/blank_input.h"
#include "gui/dialogs/speed_dlg.h"
#include "gui/dialogs/tool_shape_dlg.h"
#include "gui/dialogs/tool_sketch.h"
#include "core/lathe/messages.h"
#include "shell_rig.h"

namespace zan::test {
namespace {

namespace cmd = gui::cmd;
constexpr const char* kDiameterOut = "工件直径超出允许范围!";
constexpr const char* kLengthOut = "工件长度超出允许范围!";

TEST(BlankInput, LimitsAndFieldLengths)
{
    struct Case {
        const char* diameter;
        const char* length;
        const char* refusal;
    };
    const Case cases[] = {
        {"199", "799", ""},          {"200", "", kDiameterOut},  {"", "800", kLengthOut},
        {"1234", "", kDiameterOut},  {"", "0800", kLengthOut},   {"200", "800", kLengthOut},
        {"1234", "1234", kDiameterOut}, {"", "", ""},            {"0", "5", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ReadBlankInput(c.diameter, c.length).refusal, c.refusal) << c.diameter << " / " << c.length;
    const BlankInput accepted = ReadBlankInput("199", "");
    EXPECT_TRUE(accepted.diameter == 199 && !accepted.length);
}

gui::CBlankDlg* OpenBlankDialog(ShellRig& rig)
{
    rig.Command(cmd::kBlankParameters);
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* dialog = qobject_cast<gui::CBlankDlg*>(w); dialog != nullptr && dialog->isVisible()) return dialog;
    return nullptr;
}

TEST(Dialogs, BlankRefusedWhileClampedOrRunningSpeedWhileRunning)
{
    ShellRig rig;
    EXPECT_EQ(OpenBlankDialog(rig), nullptr);
    rig.lathe().Release();
    rig.s().runFlag = true;
    EXPECT_EQ(OpenBlankDialog(rig), nullptr);
    rig.Command(cmd::kSpeed);
    EXPECT_EQ(rig.frame->commands().speedDialog(), nullptr);
    EXPECT_EQ(rig.alerts.messages, (std::vector<std::string>{std::string(msg::kReleaseFirst), std::string(msg::kLatheRunning),
                                                             std::string(msg::kRunningCannotDo)}));
}

TEST(BlankDialog, AcceptsDigitsWithinLimitsAndRepaintsTheBlank)
{
    ShellRig rig;
    rig.lathe().Release();
    const int diameter = rig.s().blankDiameter;
    const int end = rig.s().blankEnd;
    QPointer<gui::CBlankDlg> dialog = OpenBlankDialog(rig);
    ASSERT_NE(dialog, nullptr);
    // The dialog shows the blank in use, its length from the chuck face.
    const int face = rig.s().layout.chuckFace();
    EXPECT_EQ(dialog->findChild<QLineEdit*>("diameter")->text(), QString::number(diameter));
    EXPECT_EQ(dialog->findChild<QLineEdit*>("length")->text(), QString::number(end - face));
    for (auto* field : dialog->findChildren<QLineEdit*>()) field->clear();
    dialog->findChild<QPushButton*>("ok")->click();  // both fields empty: the blank stays
    EXPECT_EQ(rig.s().blankDiameter, diameter);
    EXPECT_EQ(rig.s().blankEnd, end);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(dialog.isNull());  // a new dialog next time

    dialog = OpenBlankDialog(rig);
    ASSERT_NE(dialog, nullptr);
    auto* length = dialog->findChild<QLineEdit*>("length");
    for (auto* field : dialog->findChildren<QLineEdit*>()) field->clear();
    QTest::keyClicks(dialog->findChild<QLineEdit*>("diameter"), "9a0");  // letters do not get in
    QTest::keyClicks(length, "800");
    dialog->findChild<QPushButton*>("ok")->click();
    EXPECT_EQ(rig.alerts.messages, std::vector<std::string>{kLengthOut});
    EXPECT_TRUE(dialog->isVisible());  // open for a correction
    EXPECT_EQ(rig.s().blankDiameter, diameter);

    length->setText(QStringLiteral("350"));
    dialog->findChild<QPushButton*>("ok")->click();
    EXPECT_EQ(rig.s().blankDiameter, 90);
    EXPECT_EQ(rig.s().blankEnd, 350 + face);  // the length counts from the chuck face of the layout
    EXPECT_TRUE(rig.clock.waits.empty());  // the dialog goes at once, over the new blank drawn
}

TEST(SpeedDialog, MachineChoiceMovesTheSliderAndOkStoresIt)
{
    ShellRig rig;
    rig.Command(cmd::kSpeed);
    gui::CSpeedDlg* dialog = rig.frame->commands().speedDialog();
    ASSERT_TRUE(dialog != nullptr && dialog->isVisible());
    auto* slider = dialog->findChild<QSlider*>("speed");
    EXPECT_EQ(slider->value(), 0);
    dialog->findChild<QRadioButton*>("slow_machine")->click();
    EXPECT_EQ(slider->value(), 4);
    EXPECT_TRUE(dialog->findChild<QLabel*>("description")->text().startsWith(QStringLiteral("您选择的配置将使程序以最快的速度")));
    dialog->findChild<QRadioButton*>("fast_machine")->click();
    EXPECT_EQ(slider->value(), 0);

    slider->setValue(3);
    dialog->findChild<QPushButton*>("cancel")->click();
    EXPECT_EQ(rig.s().speedLevel, 0);
    rig.Command(cmd::kSpeed);  // the same dialog, on the level in force: the cancelled choice is gone
    EXPECT_EQ(rig.frame->commands().speedDialog(), dialog);
    EXPECT_EQ(slider->value(), 0);
    slider->setValue(3);
    dialog->findChild<QPushButton*>("ok")->click();
    EXPECT_EQ(rig.s().speedLevel, 3);
    EXPECT_FALSE(dialog->isVisible());
    rig.Command(cmd::kSpeed);
    EXPECT_EQ(slider->value(), 3);
}

// Drives the editor's drawing area with the left button.
struct Pen {
    gui::ToolSketch& sketch;
    void Send(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held)
    {
        QMouseEvent event(type, QPointF(at), QPointF(sketch.mapToGlobal(at)), button, held, Qt::NoModifier);
        QCoreApplication::sendEvent(&sketch, &event);
    }
    void Down(QPoint at) { Send(QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton); }
    void Move(QPoint at) { Send(QEvent::MouseMove, at, Qt::NoButton, Qt::LeftButton); }
    void Up(QPoint at) { Send(QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton); }
    void Drag(QPoint to)
    {
        Down(to);
        Move(to);
        Up(to);
    }
};

TEST(ToolShapeDialog, DraggedLinesBecomeTheCustomTool)
{
    ShellRig rig;
    int repaints = 0;
    rig.lathe().SelectCustomTool();
    gui::CToolShapeDlg dialog(rig.lathe(), [&] { ++repaints; }, rig.frame.get());
    Pen pen{dialog.sketch()};
    const CustomTool& tool = rig.s().custom;
    dialog.findChild<QPushButton*>("set_current")->click();  // nothing drawn: the (0, 0) end alone
    EXPECT_EQ(tool.customCount, 1);
    EXPECT_EQ(tool.customPoints[0], (Point{0, 0}));

    pen.Down(QPoint(300, 300));
    pen.Up(QPoint(300, 300));  // a click without a drag adds nothing
    pen.Drag(QPoint(255, 330));
    pen.Drag(QPoint(229, 296));
    ASSERT_EQ(dialog.sketch().points().size(), 2u);

    dialog.findChild<QPushButton*>("set_current")->click();
    EXPECT_EQ(tool.customCount, 3);
    EXPECT_EQ(tool.customPoints[0], (Point{6, 10}));   // ((255 - 235) / 3, (330 - 300) / 3)
    EXPECT_EQ(tool.customPoints[1], (Point{-2, -1}));  // truncated toward zero
    EXPECT_EQ(tool.customPoints[2], (Point{0, 0}));
    EXPECT_EQ(tool.customWidth, 30);
    EXPECT_EQ(tool.customHeight, 70);
    EXPECT_EQ(repaints, 2);
}

TEST(ToolShapeDialog, OutlineStopsAtFiftyPoints)
{
    ShellRig rig;
    gui::CToolShapeDlg dialog(rig.lathe(), nullptr, rig.frame.get());
    Pen pen{dialog.sketch()};
    for (int k = 0; k < 51; ++k) pen.Drag(QPoint(60 + 8 * k, 100 + (k % 2) * 40));
    EXPECT_EQ(dialog.sketch().points().size(), 50u);
    dialog.findChild<QPushButton*>("set_current")->click();
    EXPECT_EQ(rig.s().custom.customCount, 51);
}

// The rubber band is drawn and removed by exclusive-or: a drag that wandered,
// also off the grid (a warning at every move there), leaves the same picture
// as one that went straight to its end; a release off the grid still counts.
TEST(ToolShapeDialog, RubberBandLeavesNoTraceAndLeavingTheGridWarns)
{
    ShellRig rig;
    gui::CToolShapeDlg wandering(rig.lathe(), nullptr, rig.frame.get());
    gui::CToolShapeDlg straight(rig.lathe(), nullptr, rig.frame.get());
    Pen a{wandering.sketch()};
    a.Down(QPoint(300, 300));
    for (QPoint p : {QPoint(100, 120), QPoint(480, 60), QPoint(250, 400)}) a.Move(p);
    const QImage duringDrag = wandering.sketch().image();
    for (QPoint p : {QPoint(520, 300), QPoint(530, 300)}) a.Move(p);
    a.Up(QPoint(530, 300));
    Pen{straight.sketch()}.Drag(QPoint(530, 300));

    EXPECT_EQ(rig.alerts.messages, std::vector<std::string>(3, "在未有限制鼠标的活动范围前请勿超越黄线"));
    EXPECT_EQ(wandering.sketch().points().size(), 1u);
    EXPECT_NE(duringDrag, straight.sketch().image());
    EXPECT_EQ(wandering.sketch().image(), straight.sketch().image());
}

}  // namespace
}  // namespace zan::test
