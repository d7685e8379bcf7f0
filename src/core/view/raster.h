#pragma once
// Pixel painting on the lathe view's frame (view pixels, 0xFFRRGGBB). Every
// operation is clipped to the current clip rectangle and marks what it
// touched on the frame, so a front end shows only that. Written for speed: a
// move of the tool paints a few thousand pixels and must stay within
// microseconds.

#include <algorithm>
#include <cstdint>
#include <span>
#include <vector>

#include "core/files/rgba_frame.h"
#include "core/lathe/geometry.h"

namespace zan {

using Pixel = std::uint32_t;  // 0xFFRRGGBB

inline constexpr Pixel kBlackPixel = kOpaqueAlpha;
inline Pixel Opaque(Rgb rgb) { return kOpaqueAlpha | rgb; }

// The machine's rectangles, put in order (their right and bottom edges are
// excluded, as a frame rectangle's).
FrameRect ToFrameRect(const Rect& rect);

// A picture at its own size, row by row from the top left.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<Pixel> pixels;

    Pixel At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

// A vertical run of pixels: rows top .. top + count - 1, colours[0] first.
struct ColumnRun {
    int top = 0;
    int count = 0;
    const Pixel* colours = nullptr;
};

class Raster {
public:
    explicit Raster(RgbaFrame& frame);

    // Limits painting to `clip` within the frame; ResetClip allows the whole frame.
    void SetClip(const FrameRect& clip) { clip_ = Intersection(clip, frame_.bounds()); }
    void ResetClip() { clip_ = frame_.bounds(); }
    const FrameRect& clip() const { return clip_; }

    void FillRect(const FrameRect& rect, Pixel colour);
    // Interior and outline, like a polygon filled and edged in one colour.
    void FillPolygon(const Polygon& polygon, Pixel colour);
    // One pixel wide, both ends included.
    void Line(Point from, Point to, Pixel colour);
    // Three pixels wide: every pixel of the line widened to a 3 x 3 square.
    void WideLine(Point from, Point to, Pixel colour);
    void SetPixel(int x, int y, Pixel colour);
    // A picture at its own size.
    void Blit(const Picture& picture, Point topLeft);
    // Neighbouring columns from `firstX` on, one run each, painted row by row
    // so that every row of the frame is touched once.
    void Columns(int firstX, std::span<const ColumnRun> runs);
    // Marks a rectangle painted directly into the frame.
    void MarkDirty(const FrameRect& rect) { frame_.MarkDirty(Intersection(rect, clip_)); }

    RgbaFrame& frame() { return frame_; }

private:
    Pixel* Row(int y) { return frame_.Row(y); }
    bool Contains(int x, int y) const
    {
        return x >= clip_.left && x < clip_.right && y >= clip_.top && y < clip_.bottom;
    }
    void Span(int y, int left, int right, Pixel colour)  // inclusive, clipped
    {
        left = std::max(left, clip_.left);
        right = std::min(right, clip_.right - 1);
        if (left <= right) std::fill(Row(y) + left, Row(y) + right + 1, colour);
    }
    // The box from `a` to `b` (both included), grown by `margin`, within the clip.
    FrameRect Box(Point a, Point b, int margin) const;

    RgbaFrame& frame_;
    FrameRect clip_;
};

}  // namespace zan
