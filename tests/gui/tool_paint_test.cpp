// The tool, its turret picture, the turret animation frames and the texts the
// machine writes on the view.

#include <gtest/gtest.h>

#include <utility>

#include <QFontInfo>
#include <QFontMetrics>
#include <QPainter>

#include "core/files/gif_reader.h"
#include "core/lathe/measurement.h"
#include "core/lathe/messages.h"
#include "view_rig.h"

namespace zan::gui::test {
namespace {

constexpr QRgb kBlack = 0xFF000000u;
constexpr QRgb kGrey = 0xFF646464u;

// The first image of a turret picture through the global colour table: each
// turret file holds one such image at the top left, which the test checks.
QImage FirstImage(const GifPicture& picture)
{
    const GifImage& image = picture.frames.front();
    QImage out(image.width, image.height, QImage::Format_RGB32);
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            const std::size_t colour = 3u * image.indices[static_cast<std::size_t>(y) * image.width + x];
            const auto& table = picture.globalColours;
            out.setPixel(x, y, qRgb(table[colour], table[colour + 1], table[colour + 2]));
        }
    }
    return out;
}

// Grey inside the outline, black just outside it, the turret picture below.
TEST(ToolDrawing, OutlinesInGreyWithTheirTurretPictureBelow)
{
    ViewRig rig;  // tool 1 at (500, 462): outline columns 500..515, rows 392..462
    for (auto [x, y] : {std::pair{500, 392}, {515, 462}, {507, 430}}) EXPECT_EQ(rig.At(x, y), kGrey) << x << "," << y;
    for (auto [x, y] : {std::pair{507, 391}, {516, 430}}) EXPECT_EQ(rig.At(x, y), kBlack) << x << "," << y;
    EXPECT_EQ(rig.Snapshot().copy(500, 463, 237, 237), Resource("turret_1.png"));

    rig.s().speedLevel = 4;
    rig.view->lathe().SelectTool(2);  // (0,0) (0,-60) (20,-80) (30,-70) (30,0)
    for (auto [x, y] : {std::pair{520, 382}, {500, 402}, {530, 392}}) EXPECT_EQ(rig.At(x, y), kGrey) << x << "," << y;
    for (auto [x, y] : {std::pair{519, 382}, {500, 401}, {531, 430}}) EXPECT_EQ(rig.At(x, y), kBlack) << x << "," << y;
    EXPECT_EQ(rig.Snapshot().copy(500, 463, 237, 237), Resource("turret_2.png"));
}

TEST(ToolDrawing, CustomToolShowsItsHolder)
{
    ViewRig rig;
    ToolDrawing tool;
    tool.outline.add(Point{300, 300});
    tool.outline.add(Point{310, 290});
    tool.outline.add(Point{320, 300});
    tool.hasHolder = true;
    tool.holder = Rect{300, 300, 340, 330};  // right and bottom edges excluded
    tool.pictureAt = Point{300, 331};
    rig.display->DrawTool(tool);
    EXPECT_EQ(rig.At(310, 291), kGrey);
    EXPECT_EQ(rig.At(339, 329), kGrey);
    EXPECT_EQ(rig.At(340, 320), kBlack);
    EXPECT_EQ(rig.At(320, 330), kBlack);
    EXPECT_EQ(rig.At(400, 331 + 37), Resource("turret_1.png").pixel(100, 37));
}

TEST(ToolDrawing, EraseLeavesBlackAndTheReflectionCutsTheUpperHalf)
{
    ViewRig rig;
    ToolErase erase;
    erase.oldOutline.add(Point{500, 462});
    erase.oldOutline.add(Point{500, 392});
    erase.oldOutline.add(Point{515, 392});
    erase.oldOutline.add(Point{515, 462});
    erase.bands[0] = Rect{500, 463, 737, 700};
    rig.display->EraseTool(erase);
    for (int y = 380; y < 768; y += 3) EXPECT_EQ(rig.At(507, y), kBlack) << y;
    Polygon mirrored;
    for (Point p : {Point{300, 180}, Point{300, 200}, Point{315, 200}, Point{315, 180}}) mirrored.add(p);
    rig.display->FillReflected(mirrored, nullptr);
    EXPECT_EQ(rig.At(307, 195), kBlack);
    EXPECT_NE(rig.At(307, 201), kBlack);
}

TEST(TurretFrame, PaletteIndicesBecomePixelsCutAtTheViewsEdges)
{
    ViewRig rig;
    TurretFrame frame;
    frame.width = 3;
    frame.height = 2;
    frame.palette[0] = 0x102030;
    frame.palette[1] = 0xFF8000;
    frame.pixels = {0, 1, 255, 1, 0, 1};
    frame.topLeft = Point{700, 300};
    rig.display->ShowTurretFrame(frame);
    EXPECT_EQ(rig.At(700, 300), 0xFF102030u);
    EXPECT_EQ(rig.At(701, 300), 0xFFFF8000u);
    EXPECT_EQ(rig.At(702, 300), kBlack);
    frame.topLeft = Point{-1, 766};
    rig.display->ShowTurretFrame(frame);
    EXPECT_EQ(rig.At(0, 766), 0xFFFF8000u);
    EXPECT_EQ(rig.At(0, 767), 0xFF102030u);
    EXPECT_EQ(rig.At(1, 767), 0xFFFF8000u);
}

TEST(TurretFrame, AnimationShowsTheFilesBesideTheProgram)
{
    ViewRig rig;
    std::vector<QImage> shown;  // the view while each frame is on show
    rig.view->lathe().SelectTool(2);  // frames "12.gif" and "2.gif", each blacked out when it has been shown 500 ms
    while (const auto due = rig.view->lathe().BusyUntil()) {
        shown.push_back(rig.Snapshot());
        rig.clock.now = *due;
        rig.view->lathe().Advance(rig.clock.now);
    }
    ASSERT_TRUE(rig.alerts.messages.empty()) << rig.alerts.messages.front();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(rig.s().toolStation, 2);
    // Turning pictures sit at (x - 107, y - 107), station pictures at (x - 84, y - 74).
    // The files are read here as the view reads them, with our own reader:
    // a missing or unreadable file fails the test.
    std::vector<QImage> files;
    for (const char* name : {"12.gif", "2.gif"}) {
        const GifResult gif = LoadGif(rig.view->lathe().folder.File(name));
        ASSERT_TRUE(gif.ok()) << name << ": " << gif.message;
        ASSERT_TRUE(gif.picture->globalTable && gif.picture->frames.size() == 1) << name;
        const GifImage& image = gif.picture->frames.front();
        ASSERT_TRUE(!image.localTable && image.left == 0 && image.top == 0) << name;
        files.push_back(FirstImage(*gif.picture));
    }
    EXPECT_EQ(shown[0].copy(QRect(QPoint(393, 355), files[0].size())), files[0]);
    EXPECT_EQ(shown[1].copy(QRect(QPoint(416, 388), files[1].size())), files[1]);
    // Afterwards the new tool stands alone.
    EXPECT_EQ(rig.Snapshot().copy(500, 463, 237, 237), Resource("turret_2.png"));
}

TEST(ViewText, SevereErrorIsWrittenAtTheTopLeft)
{
    ViewRig rig;
    rig.display->DrawErrorText("系统发生严重错误，将重新初始化...");
    EXPECT_EQ(rig.At(0, 0), 0xFFFFFFFFu);
    int ink = 0;
    for (int x = 0; x < 200; ++x)
        for (int y = 0; y < 16; ++y) ink += rig.At(x, y) == kBlack;
    EXPECT_GT(ink, 50);
}

// A line as Qt draws it in the font the view's glyphs were made from, on its
// paper, as wide as Qt's advance.
QImage QtLine(const QFont& font, const std::string& text, QRgb ink, QRgb paper)
{
    const QString line = QString::fromStdString(text);
    const QFontMetrics metrics(font);
    QImage image(metrics.horizontalAdvance(line), metrics.height(), QImage::Format_RGB32);
    image.fill(paper);
    QPainter p(&image);
    p.setFont(font);
    p.setPen(QColor::fromRgb(ink));
    p.drawText(0, metrics.ascent(), line);
    return image;
}

// The core's glyphs give the pixels of the font itself (skipped where it is
// not installed): the mouse read-out and the severe error.
TEST(ViewText, TextsAreTheFontsPixels)
{
    QFont font(QStringLiteral("WenQuanYi Bitmap Song"));
    font.setStyleHint(QFont::TypeWriter);
    font.setPixelSize(16);
    if (QFontInfo(font).family() != font.family()) GTEST_SKIP() << "the view's font is not installed";
    ViewRig rig;
    rig.display->ShowPointer(Point{612, 245});
    const QImage readout = QtLine(font, MouseText(612, 245), 0xFF00FF00u, kBlack);
    EXPECT_EQ(rig.Snapshot().copy(QRect(QPoint(0, 18), readout.size())), readout);
    const QImage mode = QtLine(font, std::string(ModeText(false)), 0xFF00FF00u, kBlack);
    EXPECT_EQ(rig.Snapshot().copy(QRect(QPoint(0, 0), mode.size())), mode);
    rig.display->DrawErrorText(msg::kSevereError);
    const QImage error = QtLine(font, std::string(msg::kSevereError), kBlack, 0xFFFFFFFFu);
    EXPECT_EQ(rig.Snapshot().copy(QRect(QPoint(0, 0), error.size())), error);
}

}  // namespace
}  // namespace zan::gui::test
