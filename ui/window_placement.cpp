#include "ui/window_placement.h"

#include <algorithm>

namespace lorvex {

Point centredOver(Rect outer, Size inner, Point lowest) {
    const int x = outer.left + (outer.width - inner.width) / 2;
    const int y = outer.top + (outer.height - inner.height) / 2;
    return {std::max(x, lowest.x), std::max(y, lowest.y)};
}

}  // namespace lorvex
