#pragma once
// Plain geometry of the lathe view. All values are view pixels: one pixel is
// one millimetre, columns grow to the right (Z), rows grow downward (X as a
// radius), the spindle axis lies on row 242.

#include <array>
#include <cstdint>

namespace zan {

// Trivial, so that fixed-capacity polygons cost nothing to create; Point{}
// is (0, 0).
struct Point {
    int x;
    int y;
    friend bool operator==(const Point&, const Point&) = default;
};

// Windows-style rectangle: left/top inclusive, right/bottom exclusive.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    friend bool operator==(const Rect&, const Rect&) = default;

    bool empty() const { return right <= left || bottom <= top; }
    // The same rectangle with its corners put in order.
    Rect normalized() const;
};

// A polygon with a fixed capacity, so that moving the tool never allocates.
// The largest outline is the custom tool: 50 drawn vertices plus its closing one.
struct Polygon {
    static constexpr int kCapacity = 52;
    std::array<Point, kCapacity> points;  // only the first count are set
    int count = 0;

    void add(Point p)
    {
        if (count < kCapacity) points[count++] = p;
    }
    const Point* begin() const { return points.data(); }
    const Point* end() const { return points.data() + count; }
};

// Row r mirrored about the spindle axis (row 242).
inline int MirrorRow(int row) { return 484 - row; }

// 0xRRGGBB colours the core names.
using Rgb = std::uint32_t;
inline constexpr Rgb kBlack = 0x000000;
inline constexpr Rgb kToolGrey = 0x646464;  // RGB(100, 100, 100)
inline constexpr Rgb kTraceRed = 0xFF0000;

}  // namespace zan
