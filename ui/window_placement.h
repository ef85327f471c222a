#pragma once

namespace lorvex {

struct Point {
    int x = 0;
    int y = 0;

    bool operator==(const Point&) const = default;
};

struct Size {
    int width = 0;
    int height = 0;
};

struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// The top-left corner that centres `inner` over `outer` (halves rounded toward zero), moved
// right and down where needed so that it lies at or beyond `lowest`.
Point centredOver(Rect outer, Size inner, Point lowest);

}  // namespace lorvex
