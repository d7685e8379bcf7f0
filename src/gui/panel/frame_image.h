#pragma once
// A frame the core draws into, seen by Qt as a QImage over the frame's own
// memory (Format_RGB32 is the frame's 0xFFRRGGBB words): nothing is copied.
// The image is valid while the frame lives and keeps its size. One to paint
// on is made for the painting: a QImage shared with a copy would detach from
// the frame when painted on.

#include <QImage>

#include "core/files/rgba_frame.h"

namespace zan::gui {

// Read only: painting on it copies it first.
inline QImage FrameImage(const RgbaFrame& frame, int ratio = 1)
{
    QImage image(reinterpret_cast<const uchar*>(frame.data()), frame.width(), frame.height(), frame.stride(),
                 QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    return image;
}

// To paint on with QPainter, into the frame's memory.
inline QImage PaintableFrameImage(RgbaFrame& frame, int ratio = 1)
{
    QImage image(reinterpret_cast<uchar*>(frame.data()), frame.width(), frame.height(), frame.stride(),
                 QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    return image;
}

}  // namespace zan::gui
