#pragma once

#include "tools/icon_canvas.h"

// The look all of Lorvex's pictures share: light from the top left, and an outline darker than
// the shape's own colour.
namespace lorvex::icons {

// The outline width of the 16-pixel pictures.
constexpr float kOutline = 1;

Rgba outlineOf(Rgba base);

// Brighter towards the top left, a little darker towards the bottom right.
Paint lit(Rgba base, Point topLeft, Point bottomRight);

// The shape in its outline colour, then its inside, one outline width smaller, in its fill.
void outlined(Canvas& canvas, const Shape& shape, const Paint& fill, Rgba outline,
              float width = kOutline);

// As outlined, lit from the top left of the given box, outlined in the darker base colour.
void outlinedLit(Canvas& canvas, const Shape& shape, Rgba base, Point topLeft, Point bottomRight,
                 float width = kOutline);

}  // namespace lorvex::icons
