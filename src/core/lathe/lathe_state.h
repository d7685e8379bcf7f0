#pragma once
// The whole state of the simulated machine. Field names are the controller's
// own; units are view pixels (millimetres; rows are a radius).

#include <array>

#include "core/files/line_table.h"
#include "core/lathe/geometry.h"

namespace zan {

inline constexpr int kProfileColumns = 1100;
inline constexpr int kAxisRow = 242;           // the spindle axis
inline constexpr double kUncutRow = 317.0;     // radius 75: uncut for blanks up to 150 mm

// Contour elements collected for the stock-removal cycles.
struct ContourTable {
    static constexpr int kElements = 100;
    std::array<float, kElements> z{};
    std::array<float, kElements> x{};
    std::array<float, kElements> k2{};
    std::array<float, kElements> i{};
    std::array<float, kElements> r{};
    std::array<float, kElements> type{};
    friend bool operator==(const ContourTable&, const ContourTable&) = default;
};

// Columns that differ between the normal and the small layout.
struct Layout {
    bool small = false;
    int chuckFace() const { return small ? 119 : 153; }
    int minTravelColumn() const { return small ? 180 : 232; }
    friend bool operator==(const Layout&, const Layout&) = default;
};

struct CustomTool {
    static constexpr int kMaxPoints = 50;
    int customWidth = 0;   // holder rectangle from (x, y) to (x + width, y - height)
    int customHeight = 0;
    int customCount = 0;
    // Vertices as offsets from the holder's top-left corner. One slot more than
    // the drawable points: a full outline of 50 points is closed by (0, 0).
    std::array<Point, kMaxPoints + 1> customPoints{};
    friend bool operator==(const CustomTool&, const CustomTool&) = default;
};

struct LatheState {
    explicit LatheState(bool smallLayout);
    // Back to the start-up values of the same layout.
    void Reset() { *this = LatheState(layout.small); }

    // Blank parameters (set by the blank dialog).
    int blankDiameter = 100;
    int blankEnd = 500;  // column of the blank's free end

    int repaintColumn = 500;
    int offsetNumber = 0;
    int speedLevel = 0;
    int jogRateZ = 0;  // steps per second
    int jogRateX = 0;
    float feedFactor = 1.0f;   // override per cent / 100
    float rapidFactor = 1.0f;
    float refZ = 800.0f;
    float refX = 600.0f;
    float offsetZ = 0.0f;
    float offsetX = 0.0f;
    int lineIndex = 0;
    ContourTable contour;
    bool runFlag = false;
    bool chuckOpen = false;
    bool lockSwitch = false;
    bool jogActive = false;
    bool turretBusy = false;
    bool singleBlock = false;
    bool traceMode = false;
    bool tailstockOn = false;
    bool coolantOn = false;
    Layout layout;
    int spindleState = 0;  // 0 stopped, 1 started by L, 2 started by R
    int drawnZ = 500;
    int drawnX = 462;
    int toolStation = 1;   // 1..4, 5 = custom tool
    int measureMode = 0;
    float posZ = 500.0f;
    float posX = 462.0f;
    float stepValue = 10.0f;
    float originZ = -500.0f;
    float originX = -312.0f;
    bool directMove = false;
    std::array<double, kProfileColumns> profile;
    CustomTool custom;
    LineTable lineTable;

    friend bool operator==(const LatheState&, const LatheState&) = default;
};

}  // namespace zan
