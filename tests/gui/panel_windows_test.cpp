// The panel's two windows: where they open, how large they may grow, what
// they paint under the keys, and what a click or the first paint passes on.

#include <QCoreApplication>
#include <QTest>
#include <cstdlib>
#include <gtest/gtest.h>

#include "core/panel/key_table.h"
#include "gui/panel/first_panel_dlg.h"
#include "gui/panel/key_button.h"
#include "gui/panel/second_panel_dlg.h"
#include "panel_rig.h"

namespace zan::gui::test {
namespace {

using Seen = std::vector<std::string>;

void Click(CKeyButton* key)
{
    ASSERT_NE(key, nullptr);
    QTest::mouseClick(key, Qt::LeftButton, {}, QPoint(10, 10));
}

// Opened at the screen's top left, the pad below the panel's frame; the
// sizes are the insides', whatever frame the desktop adds; later requests
// show them where the student left them. The panel grows to 633 x 370 and no
// further; the pad follows its frame, and the two take the panel's largest
// size beside them.
TEST(PanelWindows, OpenInPlaceOnceAndThePanelStaysWithinItsLargestSize)
{
    PanelRig rig;
    CFirstPanelDlg& panel = rig.windows.panel();
    CSecondPanelDlg& pad = rig.windows.pad();
    EXPECT_FALSE(panel.isVisible());
    EXPECT_TRUE(rig.windows.Extent().isEmpty());
    rig.windows.OpenPanel();
    rig.windows.OpenSecondPad();
    QCoreApplication::processEvents();  // the frame is known once the windows are up
    EXPECT_TRUE(panel.isVisible());
    EXPECT_EQ(panel.frameGeometry().topLeft(), QPoint(0, 0));
    EXPECT_EQ(panel.size(), QSize(290, 350));
    EXPECT_EQ(pad.size(), QSize(290, 370));
    EXPECT_EQ(pad.frameGeometry().topLeft(), QPoint(0, panel.frameGeometry().bottom() + 1));
    EXPECT_EQ(panel.windowTitle(), QStringLiteral("第一控制面板"));
    EXPECT_EQ(pad.windowTitle(), QStringLiteral("第二控制面板"));

    const QSize frame = panel.frameGeometry().size() - panel.size();
    panel.resize(900, 600);
    EXPECT_EQ(panel.size(), QSize(633, 370));
    QCoreApplication::processEvents();
    EXPECT_EQ(pad.frameGeometry().top(), panel.frameGeometry().bottom() + 1);
    EXPECT_EQ(rig.windows.Extent().right(), 633 + frame.width() - 1);
    panel.resize(500, 300);
    EXPECT_EQ(panel.size(), QSize(500, 300));
    EXPECT_EQ(rig.windows.Extent().right(), 633 + frame.width() - 1);

    panel.move(40, 30);
    panel.hide();
    rig.windows.OpenPanel();
    EXPECT_TRUE(panel.isVisible());
    EXPECT_EQ(panel.pos(), QPoint(40, 30));
    EXPECT_EQ(rig.input.seen, Seen{"paint"});  // the first showing only
}

// The picture fills 620 x 332 at the top left with the LCD's glass in its
// blue, the window's colour beyond; the pad is orange.
TEST(PanelWindows, PaintThePictureAndThePadsColour)
{
    PanelRig rig;
    const QImage& backing = rig.windows.panel().backing();
    EXPECT_EQ(backing.size(), QSize(633, 370));
    EXPECT_EQ(backing.pixel(100, 120), 0xFF000000u | kLcdBlue);
    EXPECT_EQ(backing.pixel(625, 10), rig.windows.panel().palette().color(QPalette::Window).rgb());
    EXPECT_EQ(backing.pixel(10, 340), rig.windows.panel().palette().color(QPalette::Window).rgb());
    EXPECT_EQ(Grab(rig.windows.pad()).pixel(280, 360), qRgb(246, 192, 107));
}

// Every key of the table sits where ToPixels puts it; clicks become key ids
// on the panel and key codes on the pad, jog keys on press and release.
TEST(PanelWindows, ClicksBecomeKeysOnThePanelAndCodesOnThePad)
{
    PanelRig rig;
    CFirstPanelDlg& panel = rig.windows.panel();
    for (const KeyInfo& key : PanelKeys()) ASSERT_NE(panel.Key(key.id), nullptr) << static_cast<int>(key.id);
    EXPECT_EQ(panel.Key(KeyId::EditMode)->geometry(), QRect(314, 226, 33, 28));  // (209, 139, 22, 17) dialog units
    Click(panel.Key(KeyId::EditMode));
    Click(panel.Key(KeyId::JogZMinus));
    Click(rig.windows.pad().Key(KeyId::EditMode));
    Click(rig.windows.pad().Key(KeyId::JogXMinus));
    Click(rig.windows.pad().Key(KeyId::Esc));
    EXPECT_EQ(rig.input.seen, (Seen{"up 1062", "down 1070", "up 1070", "code F", "code 1", "code l", "code B"}));
}

// Mean difference, 0 to 1, of two pictures of one size, over their colour channels.
double MeanDifference(const QImage& a, const QImage& b)
{
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
        }
    return sum / (3.0 * 255.0 * a.width() * a.height());
}

// The pad's keys show the panel's faces of the same keys, smaller: what a
// pad key shows of its face is what the panel's key shows, reduced.
TEST(PanelWindows, ThePadShowsThePanelsFacesReduced)
{
    PanelRig rig;
    const QMargins shown(5, 2, 5, 2);  // a key shows its face inside these
    for (const PadKeyInfo& info : SecondPadKeys()) {
        CKeyButton* padKey = rig.windows.pad().Key(info.id);
        CKeyButton* panelKey = rig.windows.panel().Key(info.id);
        ASSERT_NE(panelKey, nullptr);
        const QImage pad = Grab(*padKey).copy(padKey->rect().marginsRemoved(shown));
        const QImage panel = Grab(*panelKey)
                                 .copy(panelKey->rect().marginsRemoved(shown))
                                 .scaled(pad.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        EXPECT_LT(MeanDifference(pad, panel), 0.06) << static_cast<int>(info.id);
    }
}

// Lamps light on the panel's lamp keys; the pad's keys have none.
TEST(PanelWindows, LampChangesReachThePanelsKeys)
{
    PanelRig rig;
    rig.windows.LampChanged(KeyId::AutoMode, true);
    EXPECT_TRUE(rig.windows.panel().Key(KeyId::AutoMode)->lampOn());
    EXPECT_FALSE(rig.windows.pad().Key(KeyId::AutoMode)->lampOn());
    EXPECT_EQ(Grab(*rig.windows.panel().Key(KeyId::AutoMode)).pixel(4, 4), qRgb(254, 90, 69));
    rig.windows.LampChanged(KeyId::AutoMode, false);
    EXPECT_FALSE(rig.windows.panel().Key(KeyId::AutoMode)->lampOn());
}

}  // namespace
}  // namespace zan::gui::test
