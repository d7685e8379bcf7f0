#include "core/lathe/tool_shapes.h"

#include <algorithm>

namespace zan {

namespace {

Point PlacedCustomVertex(const CustomTool& tool, Point ref, int k)
{
    const Point p = tool.customPoints[k];
    return Point{ref.x + p.x, ref.y + p.y - tool.customHeight};
}

int CustomVertexCount(const CustomTool& tool)
{
    return std::clamp(tool.customCount, 0, static_cast<int>(tool.customPoints.size()));
}

}  // namespace

bool MakeCustomEdge(const CustomTool& tool, Point ref, CustomEdge& edge)
{
    if (CustomVertexCount(tool) < 2) return false;
    const Point a = PlacedCustomVertex(tool, ref, 0);
    const Point b = PlacedCustomVertex(tool, ref, 1);
    if (a.x == b.x) return false;
    edge = CustomEdge{a.x, a.y, (b.y - a.y) / (b.x - a.x)};
    return true;
}

bool CustomToolHasShape(const CustomTool& tool)
{
    CustomEdge edge;
    return MakeCustomEdge(tool, Point{0, 0}, edge);
}

Polygon ToolOutline(int station, const CustomTool& custom, Point ref)
{
    static constexpr Point kStation1[] = {{0, 0}, {0, -70}, {15, -70}, {15, 0}, {0, 0}};
    static constexpr Point kStation2[] = {{0, 0}, {0, -60}, {20, -80}, {30, -70}, {30, 0}};
    static constexpr Point kStation3[] = {{0, 0}, {0, -70}, {15, -57}, {15, 0}, {0, 0}};
    static constexpr Point kStation4[] = {{0, 0}, {0, -60}, {7, -80}, {8, -80}, {15, -60}, {15, 0}};

    Polygon outline;
    if (station == kCustomStation) {
        const int n = CustomVertexCount(custom);
        for (int k = 0; k < n; ++k) outline.add(PlacedCustomVertex(custom, ref, k));
        return outline;
    }
    auto place = [&](const auto& shape) {
        for (const Point& p : shape) outline.add(Point{ref.x + p.x, ref.y + p.y});
    };
    switch (station) {
    case 2: place(kStation2); break;
    case 3: place(kStation3); break;
    case 4: place(kStation4); break;
    default: place(kStation1); break;
    }
    return outline;
}

Rect CustomHolder(const CustomTool& custom, Point ref)
{
    return Rect{ref.x, ref.y - custom.customHeight, ref.x + custom.customWidth, ref.y}.normalized();
}

Polygon Mirrored(const Polygon& outline)
{
    Polygon mirrored;
    for (const Point& p : outline) mirrored.add(Point{p.x, MirrorRow(p.y)});
    return mirrored;
}

Rect Mirrored(const Rect& rect)
{
    return Rect{rect.left, MirrorRow(rect.bottom), rect.right, MirrorRow(rect.top)};
}

void StoreCustomShape(CustomTool& tool, const Point* dialogPoints, int n, int width, int height)
{
    n = std::clamp(n, 0, CustomTool::kMaxPoints);
    tool.customPoints.fill(Point{});
    for (int k = 0; k < n; ++k)
        tool.customPoints[k] = Point{(dialogPoints[k].x - 235) / 3, (dialogPoints[k].y - 300) / 3};
    tool.customPoints[n] = Point{0, 0};
    tool.customCount = n + 1;
    tool.customWidth = width;
    tool.customHeight = height;
}

}  // namespace zan
