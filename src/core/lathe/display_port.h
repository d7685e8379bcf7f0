#pragma once
// What the machine asks the lathe view to draw. The machine computes every
// shape and rectangle (view pixels); the view only paints them.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/lathe/geometry.h"

namespace zan {

// The old tool and the band its turret picture swept while moving.
struct ToolErase {
    Polygon oldOutline;
    bool hasHolder = false;   // custom tool: its holder rectangle too
    Rect oldHolder;
    Rect bands[2];            // horizontal and vertical sweep; empty when not moved that way
};

// The tool at its new place: outline filled and edged grey, turret picture below.
struct ToolDrawing {
    Polygon outline;
    bool hasHolder = false;
    Rect holder;
    int turretPicture = 1;    // station picture 1..4 (the custom tool shows station 1's)
    Point pictureAt{};          // top-left corner, one row below the reference point
};

// Nozzle and the workpiece band under the tool, redrawn after a move.
struct UnderTool {
    bool coolantOn = false;   // nozzle picture: coolant on (100 x 70) or off (100 x 59)
    Point nozzleAt{};
    Rect leftStrip;           // black strips 10 px wide beside the nozzle
    Rect rightStrip;
    int firstColumn = 0;      // workpiece columns to repaint, inclusive;
    int lastColumn = -1;      // empty when last < first
    bool station4Marks = false;  // black pixels on the outline at columns +7 and +8
};

// One decoded turret picture, ready to show.
struct TurretFrame {
    std::string name;                 // file name, e.g. "12.gif"
    int width = 0;                    // logical screen of the file
    int height = 0;
    std::array<Rgb, 256> palette{};   // 0xRRGGBB
    std::vector<std::uint8_t> pixels; // width * height palette indices, top row first
    Point topLeft{};
};

class LatheDisplay {
public:
    virtual ~LatheDisplay() = default;
    virtual void EraseTool(const ToolErase& erase) = 0;
    // The new outline mirrored about the axis, filled black: the upper half of
    // the workpiece loses the same material as the lower.
    virtual void FillReflected(const Polygon& outline, const Rect* holder) = 0;
    virtual void DrawTool(const ToolDrawing& tool) = 0;
    virtual void DrawTraceLine(Point from, Point to) = 0;   // red, 1 px
    virtual void DrawErrorText(std::string_view text) = 0;  // at (0, 0)
    virtual void RepaintUnderTool(const UnderTool& under) = 0;
    // Invalidate the rectangle, erase it and repaint it at once.
    virtual void Refresh(const Rect& rect) = 0;
    virtual void ShowTurretFrame(const TurretFrame& frame) = 0;
    virtual void FillBlack(const Rect& rect) = 0;
};

}  // namespace zan
