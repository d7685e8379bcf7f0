#pragma once
// Pixel painting on the view's backing image (view pixels, RGB32). Every
// operation is clipped to the current clip rectangle and remembers what it
// touched, so the widget repaints only that. Written for speed: a move of the
// tool paints a few thousand pixels and must stay within microseconds.

#include <QImage>
#include <QRect>
#include <algorithm>
#include <span>

#include "core/lathe/geometry.h"

namespace zan::gui {

// The machine's rectangles exclude their right and bottom edges.
QRect ToQRect(const Rect& rect);

inline constexpr QRgb kOpaque = 0xFF000000u;
inline QRgb Opaque(Rgb rgb) { return kOpaque | rgb; }

// A vertical run of pixels: rows top .. top + count - 1, colours[0] first.
struct ColumnRun {
    int top = 0;
    int count = 0;
    const QRgb* colours = nullptr;
};

class Raster {
public:
    explicit Raster(QImage& image);

    // Limits painting to `clip` within the image; ResetClip allows the whole image.
    void SetClip(const QRect& clip);
    void ResetClip();
    QRect clip() const { return clip_; }

    // Everything painted since the last call, within the image.
    QRect TakeDirty();
    void MarkDirty(const QRect& rect);

    void FillRect(const QRect& rect, QRgb colour);
    // Interior and outline, like a polygon filled and edged in one colour.
    void FillPolygon(const Polygon& polygon, QRgb colour);
    // One pixel wide, both ends included.
    void Line(Point from, Point to, QRgb colour);
    // Three pixels wide: every pixel of the line widened to a 3 x 3 square.
    void WideLine(Point from, Point to, QRgb colour);
    void SetPixel(int x, int y, QRgb colour);
    // An RGB32 picture at its own size.
    void Blit(const QImage& picture, QPoint topLeft);
    // Neighbouring columns from `firstX` on, one run each, painted row by row
    // so that every row of the image is touched once.
    void Columns(int firstX, std::span<const ColumnRun> runs);

    QImage& image() { return image_; }

private:
    QRgb* Row(int y) { return reinterpret_cast<QRgb*>(bits_ + static_cast<qsizetype>(y) * stride_); }
    void Span(int y, int left, int right, QRgb colour)  // inclusive, clipped
    {
        left = std::max(left, clip_.left());
        right = std::min(right, clip_.right());
        for (QRgb* p = Row(y) + left; left <= right; ++left) *p++ = colour;
    }
    void Begin();  // fetches the pixel pointer (the image may have been shared meanwhile)

    QImage& image_;
    uchar* bits_ = nullptr;
    qsizetype stride_ = 0;
    QRect clip_;
    QRect dirty_;
};

}  // namespace zan::gui
