#include "core/view/raster.h"

#include <array>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace zan {

FrameRect ToFrameRect(const Rect& rect)
{
    const Rect n = rect.normalized();
    return {n.left, n.top, n.right, n.bottom};
}

Raster::Raster(RgbaFrame& frame) : frame_(frame), clip_(frame.bounds()) {}

FrameRect Raster::Box(Point a, Point b, int margin) const
{
    // In 64 bits: a far corner plus the margin must not overflow.
    const auto low = [&](int u, int v, int limit) {
        return static_cast<int>(std::max<long long>(std::min(u, v) - static_cast<long long>(margin), limit));
    };
    const auto high = [&](int u, int v, int limit) {
        return static_cast<int>(std::min<long long>(std::max(u, v) + static_cast<long long>(margin) + 1, limit));
    };
    const FrameRect box{low(a.x, b.x, clip_.left), low(a.y, b.y, clip_.top), high(a.x, b.x, clip_.right),
                        high(a.y, b.y, clip_.bottom)};
    return box.empty() ? FrameRect{} : box;
}

void Raster::FillRect(const FrameRect& rect, Pixel colour)
{
    const FrameRect r = Intersection(rect, clip_);
    if (r.empty()) return;
    for (int y = r.top; y < r.bottom; ++y) std::fill_n(Row(y) + r.left, r.width(), colour);
    frame_.MarkDirty(r);
}

namespace {

// A polygon edge that is not horizontal, top end first.
struct Edge {
    int x0, y0, dx, dy;  // dy > 0
};

}  // namespace

void Raster::FillPolygon(const Polygon& polygon, Pixel colour)
{
    const int n = polygon.count;
    if (n == 0) return;
    Point low = polygon.points[0], high = low;  // corners of the bounding box
    std::array<Edge, Polygon::kCapacity> edges;
    int edgeCount = 0;
    for (int i = 0; i < n; ++i) {
        Point a = polygon.points[i];
        Point b = polygon.points[(i + 1) % n];
        low = Point{std::min(low.x, a.x), std::min(low.y, a.y)};
        high = Point{std::max(high.x, a.x), std::max(high.y, a.y)};
        if (a.y == b.y) continue;
        if (a.y > b.y) std::swap(a, b);
        edges[edgeCount++] = Edge{a.x, a.y, b.x - a.x, b.y - a.y};
    }
    const FrameRect box = Box(low, high, 0);
    if (box.empty()) return;
    // Interior: crossings of each row with the edges, filled pairwise (even-odd).
    // The product is exact and the one division rounds correctly, so a
    // crossing on a whole column is found exactly.
    std::array<double, Polygon::kCapacity> xs;
    for (int y = box.top; y < box.bottom; ++y) {
        int count = 0;
        for (int i = 0; i < edgeCount; ++i) {
            const Edge& e = edges[i];
            if (y < e.y0 || y >= e.y0 + e.dy) continue;
            const double x = e.x0 + double(y - e.y0) * e.dx / e.dy;
            int at = count++;
            for (; at > 0 && xs[at - 1] > x; --at) xs[at] = xs[at - 1];
            xs[at] = x;
        }
        for (int k = 0; k + 1 < count; k += 2)
            Span(y, static_cast<int>(std::ceil(xs[k])), static_cast<int>(std::floor(xs[k + 1])), colour);
    }
    // Outline, which also covers the rows and columns the interior rule leaves out.
    for (int i = 0; i < n; ++i) Line(polygon.points[i], polygon.points[(i + 1) % n], colour);
    frame_.MarkDirty(box);
}

void Raster::SetPixel(int x, int y, Pixel colour)
{
    if (!Contains(x, y)) return;
    Row(y)[x] = colour;
    frame_.MarkDirty(FrameRect{x, y, x + 1, y + 1});
}

namespace {

// Bresenham's walk from `from` to `to`, both ends included.
template <typename Plot>
void WalkLine(Point from, Point to, Plot plot)
{
    int x = from.x, y = from.y;
    const int dx = std::abs(to.x - x), dy = -std::abs(to.y - y);
    const int sx = x < to.x ? 1 : -1, sy = y < to.y ? 1 : -1;
    int error = dx + dy;
    for (;;) {
        plot(x, y);
        if (x == to.x && y == to.y) return;
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x += sx;
        }
        if (twice <= dx) {
            error += dx;
            y += sy;
        }
    }
}

// Lines far outside the view are walked only where they can be seen.
constexpr int kLineLimit = 1 << 20;
bool Walkable(Point a, Point b)
{
    return std::abs(a.x) < kLineLimit && std::abs(a.y) < kLineLimit && std::abs(b.x) < kLineLimit &&
           std::abs(b.y) < kLineLimit;
}

}  // namespace

void Raster::Line(Point from, Point to, Pixel colour)
{
    const FrameRect box = Box(from, to, 0);
    if (box.empty() || !Walkable(from, to)) return;
    WalkLine(from, to, [&](int x, int y) {
        if (x >= box.left && x < box.right && y >= box.top && y < box.bottom) Row(y)[x] = colour;
    });
    frame_.MarkDirty(box);
}

void Raster::WideLine(Point from, Point to, Pixel colour)
{
    const FrameRect box = Box(from, to, 1);
    if (box.empty() || !Walkable(from, to)) return;
    WalkLine(from, to, [&](int x, int y) {
        for (int row = std::max(y - 1, box.top); row <= std::min(y + 1, box.bottom - 1); ++row)
            for (int col = std::max(x - 1, box.left); col <= std::min(x + 1, box.right - 1); ++col)
                Row(row)[col] = colour;
    });
    frame_.MarkDirty(box);
}

void Raster::Blit(const Picture& picture, Point topLeft)
{
    const FrameRect target = Intersection(
        FrameRect{topLeft.x, topLeft.y, topLeft.x + picture.width, topLeft.y + picture.height}, clip_);
    if (target.empty()) return;
    const int skip = target.left - topLeft.x;
    for (int y = target.top; y < target.bottom; ++y) {
        const Pixel* source = picture.pixels.data() + static_cast<std::size_t>(y - topLeft.y) * picture.width + skip;
        std::memcpy(Row(y) + target.left, source, sizeof(Pixel) * target.width());
    }
    frame_.MarkDirty(target);
}

void Raster::Columns(int firstX, std::span<const ColumnRun> runs)
{
    const int left = std::max(firstX, clip_.left);
    const int right = std::min(firstX + static_cast<int>(runs.size()) - 1, clip_.right - 1);
    int top = clip_.bottom, bottom = clip_.top - 1;
    for (int x = left; x <= right; ++x) {
        const ColumnRun& run = runs[x - firstX];
        if (run.count <= 0) continue;
        top = std::min(top, run.top);
        bottom = std::max(bottom, run.top + run.count - 1);
    }
    top = std::max(top, clip_.top);
    bottom = std::min(bottom, clip_.bottom - 1);
    if (left > right || top > bottom) return;
    for (int y = top; y <= bottom; ++y) {
        Pixel* row = Row(y);
        for (int x = left; x <= right; ++x) {
            const ColumnRun& run = runs[x - firstX];
            const unsigned offset = static_cast<unsigned>(y - run.top);
            if (offset < static_cast<unsigned>(run.count)) row[x] = run.colours[offset];
        }
    }
    frame_.MarkDirty(FrameRect{left, top, right + 1, bottom + 1});
}

}  // namespace zan
