#pragma once
// Turns the first image of a turret picture file into a frame the view shows.

#include <string_view>

#include "core/lathe/display_port.h"
#include "core/files/gif_reader.h"

namespace zan {

// The frame covers the file's logical screen. Its palette is the image's local
// colour table, else the global one, at most 255 entries; the last entry stays
// black. Pixels outside the first image are index 0.
TurretFrame MakeTurretFrame(const GifPicture& picture, std::string_view name, Point topLeft);

}  // namespace zan
