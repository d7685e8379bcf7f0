#pragma once
// Text written straight onto the view's backing image, like the controller's
// read-outs: a line of text on an opaque background, its top-left corner at a
// view pixel.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRect>
#include <string_view>

namespace zan::gui {

// A fixed-cell font with the Chinese characters, 16 pixels high.
QFont ViewFont();

// Draws `text` (UTF-8) with its top-left at `at`, within `clip`; returns the
// rectangle covered.
QRect DrawViewText(QImage& image, const QRect& clip, QPoint at, std::string_view text, QColor ink,
                   QColor paper, const QFont& font);

}  // namespace zan::gui
