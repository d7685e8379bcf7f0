#pragma once
// PNG pictures decoded and resized in the core (stb_image and
// stb_image_resize), the same on the desktop, in a browser and without a
// window.

#include <optional>
#include <span>

#include "core/view/raster.h"

namespace zan {

// An opaque picture from PNG bytes; nullopt when they are not a PNG.
std::optional<Picture> DecodePng(std::span<const unsigned char> bytes);

// The picture stretched or shrunk to width x height (both > 0) with a
// triangle (bilinear) filter on the stored values, edges clamped. The
// picture itself when it has that size already.
Picture Resized(const Picture& picture, int width, int height);

}  // namespace zan
