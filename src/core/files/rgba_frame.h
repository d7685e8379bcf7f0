#pragma once
// A picture the core draws and a front end shows as it is: the lathe view's
// frame and the LCD's pixels. Pixels are 32-bit words 0xFFRRGGBB, row by row
// from the top left with no padding, so that a Qt front end wraps the same
// memory as a QImage (Format_RGB32) without a copy and a web page puts it on a
// canvas. The frame remembers the part changed since a front end last took
// it, so only that part is shown again.

#include <algorithm>
#include <cstdint>
#include <vector>

namespace zan {

// Left/top inclusive, right/bottom exclusive, in the frame's pixels.
struct FrameRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    friend bool operator==(const FrameRect&, const FrameRect&) = default;

    bool empty() const { return right <= left || bottom <= top; }
    int width() const { return right - left; }
    int height() const { return bottom - top; }
};

// The smallest rectangle holding both (an empty one adds nothing).
inline FrameRect Union(const FrameRect& a, const FrameRect& b)
{
    if (a.empty()) return b;
    if (b.empty()) return a;
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
            std::max(a.bottom, b.bottom)};
}

inline FrameRect Intersection(const FrameRect& a, const FrameRect& b)
{
    const FrameRect r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                      std::min(a.bottom, b.bottom)};
    return r.empty() ? FrameRect{} : r;
}

inline constexpr std::uint32_t kOpaqueAlpha = 0xFF000000u;

class RgbaFrame {
public:
    RgbaFrame() = default;
    RgbaFrame(int width, int height, std::uint32_t fill = kOpaqueAlpha)
        : width_(width), height_(height), pixels_(static_cast<std::size_t>(width) * height, fill)
    {
    }

    int width() const { return width_; }
    int height() const { return height_; }
    FrameRect bounds() const { return {0, 0, width_, height_}; }
    // Bytes from one row to the next.
    int stride() const { return width_ * 4; }

    std::uint32_t* data() { return pixels_.data(); }
    const std::uint32_t* data() const { return pixels_.data(); }
    std::uint32_t* Row(int y) { return pixels_.data() + static_cast<std::size_t>(y) * width_; }
    const std::uint32_t* Row(int y) const { return pixels_.data() + static_cast<std::size_t>(y) * width_; }
    std::uint32_t At(int x, int y) const { return Row(y)[x]; }

    // What changed since the last TakeDirty, clipped to the frame.
    void MarkDirty(const FrameRect& rect) { dirty_ = Union(dirty_, Intersection(rect, bounds())); }
    const FrameRect& dirty() const { return dirty_; }
    FrameRect TakeDirty()
    {
        const FrameRect taken = dirty_;
        dirty_ = {};
        return taken;
    }

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint32_t> pixels_;
    FrameRect dirty_;
};

}  // namespace zan
