#include "gui/lathe/raster.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

namespace zan::gui {

QRect ToQRect(const Rect& rect)
{
    const Rect n = rect.normalized();
    return QRect(n.left, n.top, n.right - n.left, n.bottom - n.top);
}

Raster::Raster(QImage& image) : image_(image), clip_(image.rect()) {}

void Raster::SetClip(const QRect& clip) { clip_ = clip & image_.rect(); }

void Raster::ResetClip() { clip_ = image_.rect(); }

QRect Raster::TakeDirty()
{
    const QRect dirty = dirty_;
    dirty_ = QRect();
    return dirty;
}

void Raster::MarkDirty(const QRect& rect) { dirty_ |= rect & clip_; }

void Raster::Begin()
{
    bits_ = image_.bits();  // detaches once if someone holds a copy
    stride_ = image_.bytesPerLine();
}

void Raster::FillRect(const QRect& rect, QRgb colour)
{
    const QRect r = rect & clip_;
    if (r.isEmpty()) return;
    Begin();
    for (int y = r.top(); y <= r.bottom(); ++y) std::fill_n(Row(y) + r.left(), r.width(), colour);
    dirty_ |= r;
}

namespace {

// A polygon edge that is not horizontal, top end first.
struct Edge {
    int x0, y0, dx, dy;  // dy > 0
};

}  // namespace

void Raster::FillPolygon(const Polygon& polygon, QRgb colour)
{
    const int n = polygon.count;
    if (n == 0) return;
    int left = polygon.points[0].x, right = left, top = polygon.points[0].y, bottom = top;
    std::array<Edge, Polygon::kCapacity> edges;
    int edgeCount = 0;
    for (int i = 0; i < n; ++i) {
        Point a = polygon.points[i];
        Point b = polygon.points[(i + 1) % n];
        left = std::min(left, a.x);
        right = std::max(right, a.x);
        top = std::min(top, a.y);
        bottom = std::max(bottom, a.y);
        if (a.y == b.y) continue;
        if (a.y > b.y) std::swap(a, b);
        edges[edgeCount++] = Edge{a.x, a.y, b.x - a.x, b.y - a.y};
    }
    const QRect box = QRect(QPoint(left, top), QPoint(right, bottom)) & clip_;
    if (box.isEmpty()) return;
    Begin();
    // Interior: crossings of each row with the edges, filled pairwise (even-odd).
    // The product is exact and the one division rounds correctly, so a
    // crossing on a whole column is found exactly.
    std::array<double, Polygon::kCapacity> xs;
    for (int y = box.top(); y <= box.bottom(); ++y) {
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
    dirty_ |= box;
}

void Raster::SetPixel(int x, int y, QRgb colour)
{
    if (!clip_.contains(x, y)) return;
    Begin();
    Row(y)[x] = colour;
    dirty_ |= QRect(x, y, 1, 1);
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

void Raster::Line(Point from, Point to, QRgb colour)
{
    const QRect box = QRect(QPoint(std::min(from.x, to.x), std::min(from.y, to.y)),
                            QPoint(std::max(from.x, to.x), std::max(from.y, to.y))) & clip_;
    if (box.isEmpty() || !Walkable(from, to)) return;
    Begin();
    const int l = box.left(), r = box.right(), t = box.top(), b = box.bottom();
    WalkLine(from, to, [&](int x, int y) {
        if (x >= l && x <= r && y >= t && y <= b) Row(y)[x] = colour;
    });
    dirty_ |= box;
}

void Raster::WideLine(Point from, Point to, QRgb colour)
{
    const QRect box = QRect(QPoint(std::min(from.x, to.x) - 1, std::min(from.y, to.y) - 1),
                            QPoint(std::max(from.x, to.x) + 1, std::max(from.y, to.y) + 1)) & clip_;
    if (box.isEmpty() || !Walkable(from, to)) return;
    Begin();
    const int l = box.left(), r = box.right(), t = box.top(), b = box.bottom();
    WalkLine(from, to, [&](int x, int y) {
        for (int row = std::max(y - 1, t); row <= std::min(y + 1, b); ++row)
            for (int col = std::max(x - 1, l); col <= std::min(x + 1, r); ++col) Row(row)[col] = colour;
    });
    dirty_ |= box;
}

void Raster::Blit(const QImage& picture, QPoint topLeft)
{
    const QRect target = QRect(topLeft, picture.size()) & clip_;
    if (target.isEmpty()) return;
    Begin();
    const int skip = target.left() - topLeft.x();
    for (int y = target.top(); y <= target.bottom(); ++y) {
        const auto* source = reinterpret_cast<const QRgb*>(picture.constScanLine(y - topLeft.y())) + skip;
        std::memcpy(Row(y) + target.left(), source, sizeof(QRgb) * target.width());
    }
    dirty_ |= target;
}

void Raster::Columns(int firstX, std::span<const ColumnRun> runs)
{
    const int left = std::max(firstX, clip_.left());
    const int right = std::min(firstX + static_cast<int>(runs.size()) - 1, clip_.right());
    int top = clip_.bottom() + 1, bottom = clip_.top() - 1;
    for (int x = left; x <= right; ++x) {
        const ColumnRun& run = runs[x - firstX];
        if (run.count <= 0) continue;
        top = std::min(top, run.top);
        bottom = std::max(bottom, run.top + run.count - 1);
    }
    top = std::max(top, clip_.top());
    bottom = std::min(bottom, clip_.bottom());
    if (left > right || top > bottom) return;
    Begin();
    for (int y = top; y <= bottom; ++y) {
        QRgb* row = Row(y);
        for (int x = left; x <= right; ++x) {
            const ColumnRun& run = runs[x - firstX];
            const unsigned offset = static_cast<unsigned>(y - run.top);
            if (offset < static_cast<unsigned>(run.count)) row[x] = run.colours[offset];
        }
    }
    dirty_ |= QRect(QPoint(left, top), QPoint(right, bottom));
}

}  // namespace zan::gui
