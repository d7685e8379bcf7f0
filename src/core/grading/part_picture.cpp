#include "core/grading/part_picture.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "core/grading/glyphs.h"
#include "core/lathe/cylinder_shade.h"

namespace zan {

namespace {

constexpr int kPerMm = kPicturePixelsPerMm;
constexpr int kMarginLeft = 28;       // pixels: room for the first number of the scale
constexpr int kMarginRight = 64;      // room for the scale's unit
constexpr int kMarginTop = 6;
constexpr int kHeadroomMm = 3;        // above the largest radius
constexpr int kTailMm = 12;           // beyond the blank's end, to show its end face
constexpr int kLargestRadiusMm = 130;  // a blank of the largest diameter a workpiece image holds
constexpr int kStripTop = 3;          // red marks under the axis: rows axis + 3 .. axis + 8
constexpr int kStripBottom = 8;
constexpr int kScaleLine = 12;        // the scale's line, below the axis
constexpr int kMinorTick = 3;
constexpr int kMajorTick = 6;
constexpr int kLabelGap = 9;          // from the scale's line to the top of its numbers
constexpr int kTextScale = 2;
constexpr int kMinorStepMm = 10;
constexpr int kMajorStepMm = 50;
constexpr std::uint32_t kBackground = 0x000000;
constexpr std::uint32_t kAxisGrey = 0x808080;
constexpr std::uint32_t kScaleGrey = 0xC8C8C8;

// Where the picture's columns and rows lie.
struct Frame {
    int first = 0;  // first and last view column shown
    int last = 0;
    int axisY = 0;  // the first pixel row under the part
    int height = 0;
    int width = 0;

    int X(int column) const { return kMarginLeft + (column - first) * kPerMm; }
    int SurfaceY(int radius) const { return axisY - radius * kPerMm; }  // the top edge's first row
};

Frame FrameFor(const PartProfile& part, const PartProfile* reference, const Comparison* comparison)
{
    Frame f;
    f.first = comparison ? comparison->firstColumn : part.chuckFace;
    int end = comparison ? comparison->lastColumn() + 1 : part.blankEnd;
    f.first = std::clamp(f.first, 0, kProfileColumns - 1);
    f.last = std::clamp(end - 1 + kTailMm, f.first, kProfileColumns - 1);
    int radius = std::max(part.blankDiameter, reference ? reference->blankDiameter : 0) / 2;
    radius = std::clamp(radius, 1, kLargestRadiusMm) + kHeadroomMm;
    f.axisY = kMarginTop + radius * kPerMm;
    f.height = f.axisY + kScaleLine + kLabelGap + kGlyphHeight * kTextScale + kMarginTop;
    f.width = f.X(f.last + 1) + kMarginRight;
    return f;
}

// The upper half of the view's column k: rows 243 - r .. 242, the first black.
void DrawPart(RgbPicture& picture, const Frame& f, const PartProfile& part)
{
    const int tallest = (f.axisY - kMarginTop) / kPerMm;
    for (int k = f.first; k <= f.last; ++k) {
        const int r = std::min(DrawnRadiusAt(part, k), tallest);
        for (int d = 0; d < r; ++d) {
            const int y = f.axisY - (d + 1) * kPerMm;
            picture.Fill(f.X(k), y, f.X(k) + kPerMm - 1, y + kPerMm - 1, ShadePixel(kAxisRow - d, r));
        }
    }
}

// A centre line: long dashes and dots.
void DrawAxis(RgbPicture& picture, const Frame& f)
{
    constexpr int kPattern[] = {12, 3, 2, 3};  // dash, gap, dot, gap (pixels)
    int x = kMarginLeft;
    for (int i = 0; x < f.X(f.last + 1); ++i) {
        const int length = kPattern[i % 4];
        if (i % 2 == 0) picture.Fill(x, f.axisY, std::min(x + length, f.X(f.last + 1)) - 1, f.axisY, kAxisGrey);
        x += length;
    }
}

void DrawDeviations(RgbPicture& picture, const Frame& f, const PartProfile& part, const PartProfile& reference,
                    const Comparison& c)
{
    const int tallest = (f.axisY - kMarginTop) / kPerMm;
    for (int k = std::max(f.first, c.firstColumn); k <= std::min(f.last, c.lastColumn()); ++k) {
        if (!c.Outside(k)) continue;
        const int partRadius = std::min(DrawnRadiusAt(part, k), tallest);
        const int referenceRadius = std::min(DrawnRadiusAt(reference, k), tallest);
        // From the higher surface down through the lower one's top edge.
        const int top = f.SurfaceY(std::max(partRadius, referenceRadius));
        const int bottom = f.SurfaceY(std::min(partRadius, referenceRadius)) + kPerMm - 1;
        picture.Fill(f.X(k), top, f.X(k) + kPerMm - 1, std::min(bottom, f.axisY - 1), kDeviationRed);
        picture.Fill(f.X(k), f.axisY + kStripTop, f.X(k) + kPerMm - 1, f.axisY + kStripBottom, kDeviationRed);
    }
}

// Two pixels thick over the top edge of each column, joined where the radius changes.
void DrawOutline(RgbPicture& picture, const Frame& f, const PartProfile& reference)
{
    const int tallest = (f.axisY - kMarginTop) / kPerMm;
    int previousY = -1;
    for (int k = f.first; k <= f.last; ++k) {
        const int y = f.SurfaceY(std::min(DrawnRadiusAt(reference, k), tallest));
        picture.Fill(f.X(k), y, f.X(k) + kPerMm - 1, y + 1, kOutlineGreen);
        if (previousY >= 0 && previousY != y)
            picture.Fill(f.X(k) - 1, std::min(previousY, y), f.X(k), std::max(previousY, y) + 1, kOutlineGreen);
        previousY = y;
    }
}

void DrawScale(RgbPicture& picture, const Frame& f, double originZ)
{
    const int lineY = f.axisY + kScaleLine;
    const int right = f.X(f.last + 1) - 1;
    picture.Fill(kMarginLeft, lineY, right, lineY, kScaleGrey);
    const double firstZ = f.first + originZ;
    const double lastZ = f.last + 1 + originZ;
    for (long z = static_cast<long>(std::ceil(firstZ / kMinorStepMm)) * kMinorStepMm; z <= lastZ; z += kMinorStepMm) {
        const int x = kMarginLeft + static_cast<int>(std::lround((z - firstZ) * kPerMm));
        const bool major = z % kMajorStepMm == 0;
        picture.Fill(x, lineY, x, lineY + (major ? kMajorTick : kMinorTick), kScaleGrey);
        if (!major) continue;
        const std::string label = std::to_string(z);
        DrawText(picture, x - TextWidth(label, kTextScale) / 2, lineY + kLabelGap, label, kScaleGrey, kTextScale);
    }
    DrawText(picture, right + 10, lineY + kLabelGap, "Z mm", kScaleGrey, kTextScale);
}

}  // namespace

RgbPicture DrawPartPicture(const PartProfile& part, const PartProfile* reference, const Comparison* comparison)
{
    const Frame f = FrameFor(part, reference, comparison);
    RgbPicture picture(f.width, f.height, kBackground);
    DrawPart(picture, f, part);
    DrawAxis(picture, f);
    if (reference && comparison) DrawDeviations(picture, f, part, *reference, *comparison);
    if (reference) DrawOutline(picture, f, *reference);
    DrawScale(picture, f, part.originZ);
    return picture;
}

}  // namespace zan
