#include "gui/lathe/machine_painter.h"

#include <algorithm>
#include <vector>

namespace zan::gui {

namespace {

constexpr QRgb kBlackPixel = kOpaque;
constexpr QRgb kRed = 0xFFFF0000u;
constexpr int kFirstWorkpieceColumn = 119;  // the small layout's chuck face; the normal chuck covers the rest
constexpr int kLargestRadius = 10'000'000;  // keeps the shade arithmetic within int

}  // namespace

int DrawnRadius(const LatheState& s, int column)
{
    return std::min(zan::DrawnRadius(s.profile[column], s.blankDiameter), kLargestRadius);
}

int JawOpening(const LatheState& s)
{
    const int last = s.layout.small ? 178 : 229;
    int opening = 0;
    for (int j = s.layout.chuckFace(); j <= last; ++j) opening = std::max(opening, WholeRow(s.profile[j]) - kAxisRow);
    opening = std::min(opening, s.blankDiameter / 2);
    return s.chuckOpen ? opening + 10 : opening;
}

MachinePainter::MachinePainter(bool smallLayout) : pictures_(LathePictures::Load(smallLayout)) {}

const QImage& MachinePainter::TurretPicture(int station) const
{
    return pictures_.turret[std::clamp(station, 1, 4) - 1];
}

void MachinePainter::PaintMachine(Raster& raster, const LatheState& s)
{
    raster.FillRect(QRect(0, 0, 1600, 1200), kBlackPixel);
    PaintWorkpiece(raster, s);
    PaintJaws(raster, s);
    const QImage& chuck = s.spindleState == 0 ? pictures_.chuckStopped : pictures_.chuckTurning;
    raster.Blit(chuck, s.layout.small ? QPoint(0, 132) : QPoint(0, 98));
    if (s.tailstockOn) PaintTailstock(raster, s);
}

void MachinePainter::PaintWorkpiece(Raster& raster, const LatheState& s)
{
    const QRect clip = raster.clip();
    const int first = std::max(kFirstWorkpieceColumn, clip.left());
    const int last = std::min({s.blankEnd - 1, kProfileColumns - 1, clip.right()});
    PaintColumns(raster, s, first, last);
}

ColumnRun MachinePainter::RunOf(const LatheState& s, int column, const QRect& clip, std::vector<QRgb>& tall)
{
    const int r = DrawnRadius(s, column);
    if (r <= 0) return {};
    if (r <= ShadeCache::kMaxCachedRadius) {
        const auto colours = shades_.Column(r);
        return ColumnRun{ColumnTop(r), static_cast<int>(colours.size()), colours.data()};
    }
    // A column taller than the view: only its visible rows are worked out.
    const int top = std::max(ColumnTop(r), clip.top());
    const int bottom = std::min(ColumnBottom(r), clip.bottom());
    tall.clear();
    for (int row = top; row <= bottom; ++row) tall.push_back(ShadeCache::PixelColour(row, r));
    return ColumnRun{top, static_cast<int>(tall.size()), tall.data()};
}

void MachinePainter::PaintColumns(Raster& raster, const LatheState& s, int first, int last)
{
    first = std::max(first, 0);
    last = std::min(last, kProfileColumns - 1);
    if (first > last) return;
    for (int k = first; k <= last; ++k) runs_[k] = RunOf(s, k, raster.clip(), tallColumns_[k]);
    raster.Columns(first, std::span<const ColumnRun>(runs_.data() + first, last - first + 1));
}

void MachinePainter::PaintJaws(Raster& raster, const LatheState& s)
{
    const int g = JawOpening(s);
    if (s.layout.small) {
        raster.Blit(pictures_.lowerJaw, QPoint(101, kAxisRow + g));
        raster.Blit(pictures_.upperJaw, QPoint(101, static_cast<int>(135.625 - g)));
    } else {
        raster.Blit(pictures_.lowerJaw, QPoint(130, kAxisRow + g));
        raster.Blit(pictures_.upperJaw, QPoint(130, 104 - g));
    }
}

// A red centre point against the blank's free end.
void MachinePainter::PaintTailstock(Raster& raster, const LatheState& s)
{
    const Point tip{s.blankEnd, kAxisRow};
    const Point lower{s.blankEnd + 32, kAxisRow + 20};
    const Point upper{s.blankEnd + 32, kAxisRow - 20};
    raster.WideLine(tip, lower, kRed);
    raster.WideLine(lower, upper, kRed);
    raster.WideLine(upper, tip, kRed);
}

void MachinePainter::PaintUnderTool(Raster& raster, const LatheState& s, const UnderTool& under)
{
    raster.Blit(under.coolantOn ? pictures_.nozzleOn : pictures_.nozzleOff, QPoint(under.nozzleAt.x, under.nozzleAt.y));
    raster.FillRect(ToQRect(under.leftStrip), kBlackPixel);
    raster.FillRect(ToQRect(under.rightStrip), kBlackPixel);
    PaintColumns(raster, s, under.firstColumn, under.lastColumn);
    if (!under.station4Marks) return;
    // Station 4's point meets the surface in these two columns: keep the cut clean.
    for (int k = under.firstColumn + 7; k <= under.firstColumn + 8; ++k) {
        if (k > under.lastColumn || k < 0 || k >= kProfileColumns) continue;
        const int r = DrawnRadius(s, k);
        raster.SetPixel(k, kAxisRow - r, kBlackPixel);
        raster.SetPixel(k, kAxisRow + r, kBlackPixel);
    }
}

}  // namespace zan::gui
