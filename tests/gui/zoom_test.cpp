// The panel, its pad and the fields over the LCD enlarged for a projector:
// placed at the zoom, the LCD's text and the fields' digits drawn anew at
// its resolution (two colours only, finer than an enlarged 1x picture), the
// LCD's content kept across a change; the number box shows its two digits
// at every zoom.

#include <QCoreApplication>
#include <QLineEdit>
#include <gtest/gtest.h>

#include "core/lcd/lcd_screen.h"
#include "core/panel/field_places.h"
#include "gui/panel/first_panel_dlg.h"
#include "gui/panel/key_button.h"
#include "gui/panel/panel_field_widgets.h"
#include "gui/panel/second_panel_dlg.h"
#include "panel_rig.h"

namespace zan::gui::test {
namespace {

constexpr QRgb kBlue = 0xFF000000u | kLcdBlue;
constexpr QRgb kWhite = 0xFFFFFFFFu;

struct Colours {
    int white = 0, blue = 0, other = 0;
};

Colours Count(const QImage& image, const QRect& area)
{
    Colours c;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb p = image.pixel(x, y);
            (p == kWhite ? c.white : p == kBlue ? c.blue : c.other)++;
        }
    return c;
}

// 2 x 2 blocks of the area whose pixels differ: none in a picture drawn at
// 1x and enlarged.
int FineBlocks(const QImage& image, const QRect& area)
{
    int fine = 0;
    for (int y = area.top(); y + 1 <= area.bottom(); y += 2)
        for (int x = area.left(); x + 1 <= area.right(); x += 2) {
            const QRgb p = image.pixel(x, y);
            fine += image.pixel(x + 1, y) != p || image.pixel(x, y + 1) != p || image.pixel(x + 1, y + 1) != p;
        }
    return fine;
}

QRect At(const Rect& r, int zoom) { return QRect(r.left * zoom, r.top * zoom, (r.right - r.left) * zoom, (r.bottom - r.top) * zoom); }

TEST(Zoom, TheLcdAndTheNumberBoxAreDrawnAnewAtEachZoom)
{
    PanelRig rig;
    CFirstPanelDlg& panel = rig.windows.panel();
    LcdScreen screen;
    screen.Text(46, 170, "请输入程序号:%");
    screen.Text(40, 100, "X 0300.000", LcdVideo::Normal, LcdFont::Large);
    panel.ShowScreen(screen, true);
    PanelFieldWidgets& fields = rig.windows.fieldWidgets();
    fields.Place(FieldId::Editor, kNumberBoxPlace);
    fields.SetText(FieldId::Editor, "12");

    for (int zoom : {1, 2, 3}) {
        rig.windows.SetZoom(zoom);
        EXPECT_EQ(panel.size(), CFirstPanelDlg::kOpenSize * zoom);
        EXPECT_EQ(panel.Key(KeyId::EditMode)->geometry(), QRect(QPoint(314, 226) * zoom, QSize(33, 28) * zoom)) << zoom;
        EXPECT_EQ(rig.windows.pad().size(), CSecondPanelDlg::kOpenSize * zoom);
        const QImage shown = Grab(panel);
        const QRect box = At(kNumberBoxPlace, zoom);
        const Colours digits = Count(shown, box);
        EXPECT_EQ(digits.other, 0) << zoom;
        EXPECT_GT(digits.white, 12 * zoom * zoom) << "the number box's digits at zoom " << zoom;
        const QRect text = At(FieldAt(40, 100, 160, 24), zoom);
        EXPECT_EQ(Count(shown, text).other, 0) << "blurred LCD text at zoom " << zoom;
        EXPECT_GT(Count(shown, text).white, 300 * zoom * zoom) << "the LCD's text is gone at zoom " << zoom;
        if (zoom > 1) {
            EXPECT_GT(FineBlocks(shown, text), 50) << "the LCD's text is only enlarged at zoom " << zoom;
        }
    }
}

// The field is a box of the LCD's own cells: "12" fills its 12 x 12 pixels
// from the left edge, as the LCD draws "12" (no frame, no margin).
TEST(Zoom, AFieldDrawsItsTextAsTheLcdDoes)
{
    PanelRig rig;
    CFirstPanelDlg& panel = rig.windows.panel();
    LcdScreen screen;
    screen.Text(132, 136, "12");
    panel.ShowScreen(screen, true);
    const QImage lcd = panel.backing().copy(132, 136, 12, 12);
    PanelFieldWidgets& fields = rig.windows.fieldWidgets();
    fields.Place(FieldId::Entry, FieldAt(132, 170, 12, 12));
    fields.SetText(FieldId::Entry, "12");
    const QImage field = Grab(panel).copy(132, 170, 12, 12);
    EXPECT_EQ(field, lcd.convertToFormat(field.format()));
}

}  // namespace
}  // namespace zan::gui::test
