#include "core/view/machine_painter.h"

#include <algorithm>

namespace zan {

namespace {

constexpr Pixel kRedPixel = kOpaqueAlpha | 0xFF0000u;
constexpr int kFirstWorkpieceColumn = 119;  // the small layout's chuck face; the normal chuck covers the rest
constexpr int kLargestRadius = 10'000'000;  // keeps the shade arithmetic within int
constexpr FrameRect kEverything{0, 0, 1600, 1200};  // more than any frame

// Where the chuck and the jaws stand in each layout (view pixels).
constexpr Point kChuckAt{0, 98};
constexpr Point kSmallChuckAt{0, 132};
constexpr int kJawsLeft = 130;
constexpr int kSmallJawsLeft = 101;
constexpr int kUpperJawBase = 104;            // upper jaw's top row when closed on the axis
constexpr double kSmallUpperJawBase = 135.625;  // the small layout's, truncated after the opening
constexpr int kLastJawColumn = 229;
constexpr int kSmallLastJawColumn = 178;

// The tailstock's centre: a triangle with its tip on the axis at the blank's
// end, 32 pixels long, its base 20 pixels either side of the axis.
constexpr int kCentreLength = 32;
constexpr int kCentreHalf = 20;

}  // namespace

int DrawnRadiusAt(const LatheState& s, int column)
{
    return std::min(DrawnRadius(s.profile[column], s.blankDiameter), kLargestRadius);
}

int JawOpening(const LatheState& s)
{
    const int last = s.layout.small ? kSmallLastJawColumn : kLastJawColumn;
    int opening = 0;
    for (int j = s.layout.chuckFace(); j <= last; ++j) opening = std::max(opening, WholeRow(s.profile[j]) - kAxisRow);
    opening = std::min(opening, s.blankDiameter / 2);
    return s.chuckOpen ? opening + 10 : opening;
}

MachinePainter::MachinePainter(bool smallLayout) : pictures_(LathePictures::Load(smallLayout)) {}

const Picture& MachinePainter::TurretPicture(int station) const
{
    return pictures_.turret[std::clamp(station, 1, 4) - 1];
}

void MachinePainter::PaintMachine(Raster& raster, const LatheState& s)
{
    raster.FillRect(kEverything, kBlackPixel);
    PaintWorkpiece(raster, s);
    PaintJaws(raster, s);
    const Picture& chuck = s.spindleState == 0 ? pictures_.chuckStopped : pictures_.chuckTurning;
    raster.Blit(chuck, s.layout.small ? kSmallChuckAt : kChuckAt);
    if (s.tailstockOn) PaintTailstock(raster, s);
}

void MachinePainter::PaintWorkpiece(Raster& raster, const LatheState& s)
{
    const FrameRect& clip = raster.clip();
    const int first = std::max(kFirstWorkpieceColumn, clip.left);
    const int last = std::min({s.blankEnd - 1, kProfileColumns - 1, clip.right - 1});
    PaintColumns(raster, s, first, last);
}

ColumnRun MachinePainter::RunOf(const LatheState& s, int column, const FrameRect& clip, std::vector<Pixel>& tall)
{
    const int r = DrawnRadiusAt(s, column);
    if (r <= 0) return {};
    if (r <= ShadeCache::kMaxCachedRadius) {
        const auto colours = shades_.Column(r);
        return ColumnRun{ColumnTop(r), static_cast<int>(colours.size()), colours.data()};
    }
    // A column taller than the view: only its visible rows are worked out.
    const int top = std::max(ColumnTop(r), clip.top);
    const int bottom = std::min(ColumnBottom(r), clip.bottom - 1);
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
        raster.Blit(pictures_.lowerJaw, Point{kSmallJawsLeft, kAxisRow + g});
        raster.Blit(pictures_.upperJaw, Point{kSmallJawsLeft, static_cast<int>(kSmallUpperJawBase - g)});
    } else {
        raster.Blit(pictures_.lowerJaw, Point{kJawsLeft, kAxisRow + g});
        raster.Blit(pictures_.upperJaw, Point{kJawsLeft, kUpperJawBase - g});
    }
}

// A red centre point against the blank's free end.
void MachinePainter::PaintTailstock(Raster& raster, const LatheState& s)
{
    const Point tip{s.blankEnd, kAxisRow};
    const Point lower{s.blankEnd + kCentreLength, kAxisRow + kCentreHalf};
    const Point upper{s.blankEnd + kCentreLength, kAxisRow - kCentreHalf};
    raster.WideLine(tip, lower, kRedPixel);
    raster.WideLine(lower, upper, kRedPixel);
    raster.WideLine(upper, tip, kRedPixel);
}

void MachinePainter::PaintUnderTool(Raster& raster, const LatheState& s, const UnderTool& under)
{
    raster.Blit(under.coolantOn ? pictures_.nozzleOn : pictures_.nozzleOff, under.nozzleAt);
    raster.FillRect(ToFrameRect(under.leftStrip), kBlackPixel);
    raster.FillRect(ToFrameRect(under.rightStrip), kBlackPixel);
    PaintColumns(raster, s, under.firstColumn, under.lastColumn);
    if (!under.station4Marks) return;
    // Station 4's point meets the surface in these two columns: keep the cut clean.
    for (int k = under.firstColumn + 7; k <= under.firstColumn + 8; ++k) {
        if (k > under.lastColumn || k < 0 || k >= kProfileColumns) continue;
        const int r = DrawnRadiusAt(s, k);
        raster.SetPixel(k, kAxisRow - r, kBlackPixel);
        raster.SetPixel(k, kAxisRow + r, kBlackPixel);
    }
}

}  // namespace zan
