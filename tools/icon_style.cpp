#include "tools/icon_style.h"

namespace lorvex::icons {

Rgba outlineOf(Rgba base) {
    return darker(base, 0.55f);
}

Paint lit(Rgba base, Point topLeft, Point bottomRight) {
    return linear(topLeft, lighter(base, 0.45f), bottomRight, darker(base, 0.12f));
}

void outlined(Canvas& canvas, const Shape& shape, const Paint& fill, Rgba outline, float width) {
    canvas.fill(shape, outline);
    canvas.fill(grow(shape, -width), fill);
}

void outlinedLit(Canvas& canvas, const Shape& shape, Rgba base, Point topLeft, Point bottomRight,
                 float width) {
    outlined(canvas, shape, lit(base, topLeft, bottomRight), outlineOf(base), width);
}

}  // namespace lorvex::icons
