// The edit fields over the LCD: they answer the core as the plain fields of
// runs without a window do, look like the LCD, take capitals, and announce
// only what the student typed.

#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>
#include <functional>

#include "core/panel/plain_fields.h"
#include "gui/panel/field_widgets.h"
#include "gui/panel/panel_field_widgets.h"
#include "panel_rig.h"

namespace zan::gui::test {
namespace {

using Seen = std::vector<std::string>;

// What a field answers after each step of a script, as one text.
std::string Answers(PanelFields& fields, FieldId id, const std::function<void(PanelFields&)>& step)
{
    step(fields);
    const Selection s = fields.GetSelection(id);
    std::string out = fields.Text(id) + "|" + std::to_string(s.start) + "-" + std::to_string(s.end) + "|" +
                      std::to_string(fields.LineCount(id)) + "|" + std::to_string(fields.CaretLine(id));
    for (int line = 0; line < fields.LineCount(id); ++line) out += "|" + fields.Line(id, line);
    return out;
}

class FieldsAnswerAsPlainFields : public ::testing::TestWithParam<FieldId> {};

// Offsets count characters, not bytes: a Chinese character is one.
TEST_P(FieldsAnswerAsPlainFields, Everywhere)
{
    const FieldId id = GetParam();
    const bool lines = id == FieldId::Editor;
    const std::function<void(PanelFields&)> steps[] = {
        [&](PanelFields& f) { f.SetText(id, lines ? "N0010 G00 X20\nN0020 M30" : "刀偏 X12.5"); },
        [&](PanelFields& f) { f.SetSelection(id, {2, 5}); },
        [&](PanelFields& f) { f.ReplaceSelection(id, "Z"); },
        [&](PanelFields& f) { f.SetSelection(id, {1, 1}); },
        [&](PanelFields& f) { f.ReplaceSelection(id, lines ? "12\n34" : "编"); },
        [&](PanelFields& f) { f.SetSelection(id, {40, 2}); },  // beyond the end: clamped
        [&](PanelFields& f) { f.SetText(id, ""); },
        [&](PanelFields& f) { f.ReplaceSelection(id, "G"); },
    };
    PanelRig rig;
    PlainFields plain;
    int step = 0;
    for (const auto& s : steps) {
        EXPECT_EQ(Answers(rig.windows.fields(), id, s), Answers(plain, id, s)) << "step " << step;
        ++step;
    }
}

INSTANTIATE_TEST_SUITE_P(PanelFields, FieldsAnswerAsPlainFields,
                         ::testing::Values(FieldId::Editor, FieldId::Entry, FieldId::Prompt, FieldId::BlockLine1,
                                           FieldId::BlockLine2));

// Hidden fields sit at (500, 500) with no size; a placed field shows its
// text white on the LCD's blue in a face without greys.
TEST(PanelFieldWidgets, PlacedAtTheCoresWordInTheLcdsColours)
{
    PanelRig rig;
    PanelFieldWidgets& fields = rig.windows.fieldWidgets();
    for (FieldId id : kAllFields) EXPECT_EQ(fields.Widget(id)->geometry(), QRect(500, 500, 0, 0));
    fields.Place(FieldId::Entry, Rect{94, 136, 154, 151});
    fields.SetText(FieldId::Entry, "X-12.5 刀偏");
    QWidget* entry = fields.Widget(FieldId::Entry);
    EXPECT_EQ(entry->geometry(), QRect(94, 136, 60, 15));
    const QImage look = Grab(*entry);
    int white = 0;
    for (int y = 0; y < look.height(); ++y)
        for (int x = 0; x < look.width(); ++x) {
            const QRgb p = look.pixel(x, y);
            ASSERT_TRUE(p == (0xFF000000u | kLcdBlue) || p == 0xFFFFFFFFu) << x << "," << y;
            white += p == 0xFFFFFFFFu;
        }
    EXPECT_GT(white, 20);
}

// Typing gives capitals and is announced; Return in the editor is the ENTER
// key, not a line break; what the core writes is not announced.
TEST(PanelFieldWidgets, TypingTakesCapitalsAndReturnIsEnter)
{
    PanelRig rig;
    PanelFieldWidgets& fields = rig.windows.fieldWidgets();
    fields.SetText(FieldId::Editor, "N0010");
    fields.ReplaceSelection(FieldId::Editor, " ");
    EXPECT_EQ(rig.input.seen, Seen{});
    QTest::keyClicks(fields.editor(), "g01x");
    EXPECT_EQ(fields.Text(FieldId::Editor), "N0010 G01X");
    EXPECT_EQ(rig.input.seen, Seen(4, "changed 1001"));
    rig.input.seen.clear();
    QTest::keyClick(fields.editor(), Qt::Key_Return);
    EXPECT_EQ(fields.Text(FieldId::Editor), "N0010 G01X");
    EXPECT_EQ(rig.input.seen, Seen{"return"});

    rig.input.seen.clear();
    QTest::keyClicks(fields.Widget(FieldId::Entry), "u5");
    EXPECT_EQ(fields.Text(FieldId::Entry), "U5");
    EXPECT_EQ(rig.input.seen, Seen(2, "changed 1059"));
}

}  // namespace
}  // namespace zan::gui::test
