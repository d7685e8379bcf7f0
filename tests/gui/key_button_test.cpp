// The key button: when it reports, how it looks pressed, raised and lit.

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

#include "gui/panel/key_button.h"
#include "panel_rig.h"

namespace zan::gui::test {
namespace {

using Border = CKeyButton::Border;

// A face whose every pixel differs from its neighbours, so a shift shows.
QImage PatternFace()
{
    QImage face(27, 24, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < face.height(); ++y)
        for (int x = 0; x < face.width(); ++x) face.setPixel(x, y, qRgb(x * 9, y * 10, (x * 7 + y * 3) % 256));
    return face;
}

struct Key {
    explicit Key(KeyId id, bool lamp = false) : button(std::make_unique<CKeyButton>(id, PatternFace(), lamp, nullptr))
    {
        button->resize(33, 28);
        button->show();
        QObject::connect(button.get(), &CKeyButton::down, [this](KeyId) { seen.push_back("down"); });
        QObject::connect(button.get(), &CKeyButton::up, [this](KeyId) { seen.push_back("up"); });
    }
    void Press() { QTest::mousePress(button.get(), Qt::LeftButton, {}, QPoint(10, 10)); }
    void Release(QPoint at = QPoint(10, 10)) { QTest::mouseRelease(button.get(), Qt::LeftButton, {}, at); }
    // The second click of a double click: the toolkit's double-click event, then the release.
    void SecondClick()
    {
        Send(QEvent::MouseButtonDblClick, QPoint(10, 10), Qt::LeftButton);
        Release();
    }
    void DragTo(QPoint at) { Send(QEvent::MouseMove, at, Qt::NoButton); }
    void Send(QEvent::Type type, QPoint at, Qt::MouseButton button_)
    {
        QMouseEvent event(type, at, button->mapToGlobal(at), button_, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(button.get(), &event);
    }
    std::unique_ptr<CKeyButton> button;
    std::vector<std::string> seen;
};

using Seen = std::vector<std::string>;

TEST(KeyButton, ReportsOnReleaseAndJogKeysOnPressToo)
{
    Key mode(KeyId::EditMode);
    mode.Press();
    EXPECT_EQ(mode.seen, Seen{});
    mode.Release();
    EXPECT_EQ(mode.seen, Seen{"up"});

    Key jog(KeyId::JogZPlus);
    jog.Press();
    EXPECT_TRUE(jog.button->held());
    EXPECT_EQ(jog.seen, Seen{"down"});
    jog.Release();
    EXPECT_FALSE(jog.button->held());
    EXPECT_EQ(jog.seen, (Seen{"down", "up"}));
}

// Leaving the key with the button down lets it rise: a key then reports
// nothing, unless the mouse comes back before the release; a held jog key
// reports its release as it is left, and only then.
TEST(KeyButton, LeavingBeforeTheReleaseTakesTheClickBackButEndsAJog)
{
    Key mode(KeyId::EditMode);
    mode.Press();
    EXPECT_EQ(mode.button->border(), Border::Sunken);
    mode.DragTo(QPoint(60, 10));
    EXPECT_EQ(mode.button->border(), Border::Flat);
    mode.Release(QPoint(60, 10));
    EXPECT_EQ(mode.seen, Seen{});
    mode.Press();
    mode.DragTo(QPoint(60, 10));
    mode.DragTo(QPoint(12, 12));
    EXPECT_EQ(mode.button->border(), Border::Sunken);
    mode.Release();
    EXPECT_EQ(mode.seen, Seen{"up"});

    Key jog(KeyId::JogXMinus);
    jog.Press();
    jog.DragTo(QPoint(-5, 10));
    EXPECT_EQ(jog.seen, (Seen{"down", "up"}));
    jog.DragTo(QPoint(10, 10));
    jog.Release();
    EXPECT_EQ(jog.seen, (Seen{"down", "up"}));
}

TEST(KeyButton, DoubleClickReportsTwice)
{
    Key jog(KeyId::JogXPlus);
    jog.Press();
    jog.Release();
    jog.SecondClick();
    EXPECT_EQ(jog.seen, (Seen{"down", "up", "down", "up"}));

    Key digit(KeyId::Digit5);
    digit.Press();
    digit.Release();
    digit.SecondClick();
    EXPECT_EQ(digit.seen, (Seen{"up", "up"}));
}

// Pressed, the face moves one pixel right and down inside a sunken frame;
// released, the frame stands out.
TEST(KeyButton, PressSinksTheKeyAndMovesItsFace)
{
    Key key(KeyId::Digit5);
    const QImage flat = Grab(*key.button);
    key.Press();
    const QImage pressed = Grab(*key.button);
    for (int y = 4; y < 22; ++y)
        for (int x = 7; x < 26; ++x) ASSERT_EQ(pressed.pixel(x + 1, y + 1), flat.pixel(x, y)) << x << "," << y;
    const QPalette& colours = key.button->palette();
    EXPECT_EQ(pressed.pixel(0, 0), colours.color(QPalette::Dark).rgb());
    EXPECT_EQ(pressed.pixel(32, 27), colours.color(QPalette::Light).rgb());
    key.Release();
    const QImage raised = Grab(*key.button);
    EXPECT_EQ(raised.pixel(0, 0), colours.color(QPalette::Light).rgb());
    EXPECT_EQ(raised.pixel(32, 27), colours.color(QPalette::Dark).rgb());
    EXPECT_EQ(flat.pixel(0, 0), colours.color(QPalette::Button).rgb());
}

TEST(KeyButton, LampShowsOnLampKeysOnly)
{
    const QRgb red = qRgb(254, 90, 69);
    Key lamp(KeyId::CycleStart, true);
    lamp.button->SetLamp(true);
    QImage lit = Grab(*lamp.button);
    EXPECT_EQ(lit.pixel(4, 4), red);
    EXPECT_EQ(lit.pixel(5, 5), red);
    EXPECT_NE(lit.pixel(2, 2), red);  // the outline's corner is outside the round lamp
    EXPECT_NE(lit.pixel(8, 8), red);
    lamp.button->SetLamp(false);
    EXPECT_NE(Grab(*lamp.button).pixel(4, 4), red);

    Key plain(KeyId::Digit1, false);
    plain.button->SetLamp(true);
    EXPECT_TRUE(plain.button->lampOn());
    EXPECT_NE(Grab(*plain.button).pixel(4, 4), red);
}

}  // namespace
}  // namespace zan::gui::test
