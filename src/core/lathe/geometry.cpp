#include "core/lathe/geometry.h"

#include <algorithm>

namespace zan {

Rect Rect::normalized() const
{
    return Rect{std::min(left, right), std::min(top, bottom), std::max(left, right),
                std::max(top, bottom)};
}

}  // namespace zan
