#pragma once
// Paints the machine itself into the view's frame: background, workpiece,
// jaws, chuck and tailstock centre, in that order (the tool comes last and is
// drawn by the machine's own redraw), and the workpiece band under the tool
// after a move.

#include <vector>

#include "core/lathe/display_port.h"
#include "core/lathe/lathe_state.h"
#include "core/view/lathe_pictures.h"
#include "core/view/raster.h"
#include "core/view/shade_cache.h"

namespace zan {

// Radius drawn at column k: the profile's whole rows above the axis, at most
// the blank's radius; zero or less paints nothing.
int DrawnRadiusAt(const LatheState& s, int column);

// How far the jaws stand from the axis: the largest radius under them, at
// most the blank's, 10 pixels more while the chuck is open.
int JawOpening(const LatheState& s);

class MachinePainter {
public:
    explicit MachinePainter(bool smallLayout);

    void PaintMachine(Raster& raster, const LatheState& s);
    // Workpiece columns first..last as shaded cylinder slices with their black top edge.
    void PaintColumns(Raster& raster, const LatheState& s, int first, int last);
    void PaintUnderTool(Raster& raster, const LatheState& s, const UnderTool& under);

    const Picture& TurretPicture(int station) const;

private:
    void PaintWorkpiece(Raster& raster, const LatheState& s);
    void PaintJaws(Raster& raster, const LatheState& s);
    void PaintTailstock(Raster& raster, const LatheState& s);

    // The run of colours of column k; columns taller than the view get only
    // their visible rows, kept in `tall`.
    ColumnRun RunOf(const LatheState& s, int column, const FrameRect& clip, std::vector<Pixel>& tall);

    LathePictures pictures_;
    ShadeCache shades_;
    std::vector<ColumnRun> runs_ = std::vector<ColumnRun>(kProfileColumns);
    std::vector<std::vector<Pixel>> tallColumns_ = std::vector<std::vector<Pixel>>(kProfileColumns);
};

}  // namespace zan
