#include "tools/app_icon.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "tools/icon_style.h"

namespace lorvex::icons {
namespace {

struct Bounds {
    float left, top, right, bottom;
};

// The slip's card, on whole pixels.
Bounds cardOf(const IconLayout& layout) {
    const float p = static_cast<float>(layout.pixels) / 16;
    return {std::round(1 * p), std::round(1 * p), std::round(12.5f * p), std::round(15 * p)};
}

// A cross drawn by hand into the cell whose inside starts at (x, y) and is `size` pixels wide.
void drawCross(Canvas& canvas, float x, float y, float size, Rgba ink) {
    if (size <= 4) {  // too small for a cross: the cell is filled in
        canvas.fill(box(x, y, x + size, y + size, size > 2 ? 0.8f : 0), ink);
        return;
    }
    if (size <= 5) {  // too small for strokes: a cross of single pixels
        for (float i = 0; i < size; ++i) {
            canvas.fill(box(x + i, y + i, x + i + 1, y + i + 1), ink);
            canvas.fill(box(x + size - 1 - i, y + i, x + size - i, y + i + 1), ink);
        }
        return;
    }
    const float inset = size * 0.16f;
    const float half = size * 0.11f;
    canvas.fill(unite(segment({x + inset, y + inset}, {x + size - inset, y + size - inset}, half),
                      segment({x + size - inset, y + inset}, {x + inset, y + size - inset}, half)),
                ink);
}

void drawSlip(Canvas& canvas, const IconLayout& layout) {
    const float p = static_cast<float>(layout.pixels) / 16;
    const float margin = std::floor(0.5f * p);
    const Bounds card = cardOf(layout);
    outlined(canvas, box(card.left, card.top, card.right, card.bottom, 0.8f * p),
             lit(rgb(0xFFF4D6), {card.left, card.top}, {card.right, card.bottom}), rgb(0x8C7548),
             layout.outline);

    // The grid sits at the bottom of the card; its cells are whole pixels, neighbours share
    // their lines.
    const float line = layout.gridLine;
    const float columns = static_cast<float>(layout.columns);
    const float rows = static_cast<float>(layout.rows);
    const float room = card.right - card.left - 2 * (layout.outline + margin) - line;
    const float pitch = std::floor(room / columns);
    const float gridWidth = pitch * columns + line;
    const float gridLeft = card.left + std::floor((card.right - card.left - gridWidth) / 2);
    const float gridTop = card.bottom - layout.outline - margin - pitch * rows - line;
    const Rgba gridColour = rgb(0xE07A6A);
    for (float row = 0; row < rows; ++row) {
        for (float column = 0; column < columns; ++column) {
            const float x = gridLeft + pitch * column;
            const float y = gridTop + pitch * row;
            canvas.fill(subtract(box(x, y, x + pitch + line, y + pitch + line),
                                 box(x + line, y + line, x + pitch, y + pitch)),
                        gridColour);
        }
    }

    // Above the grid, the printed lines of the slip's heading, as many as there is room for.
    const float printHeight = std::max(1.0f, std::round(0.5f * p));
    const float printRight = gridLeft + gridWidth - line - std::round(2 * p);
    for (float y = card.top + layout.outline + std::round(1 * p);
         y + printHeight <= gridTop - margin; y += std::round(1.5f * p)) {
        canvas.fill(box(gridLeft + line, y, printRight, y + printHeight), rgb(0xC44A3C));
    }

    for (int index : layout.crossedCells) {
        const float x = gridLeft + pitch * static_cast<float>(index % layout.columns) + line;
        const float y = gridTop + pitch * static_cast<float>(index / layout.columns) + line;
        drawCross(canvas, x, y, pitch - line, rgb(0x1F3FA8));
    }
}

struct Lens {
    Point centre;
    float radius;
    float rimWidth;
};

Lens lensOf(const IconLayout& layout) {
    const float p = static_cast<float>(layout.pixels) / 16;
    return {{9 * p, 10 * p}, 3.9f * p, std::max(layout.outline, std::round(0.5f * p))};
}

void drawMagnifier(Canvas& canvas, const IconLayout& layout, const Lens& lens) {
    const float p = static_cast<float>(layout.pixels) / 16;
    const float w = layout.outline;
    const Rgba handle = rgb(0x4A3A2E);
    // The handle points to the bottom right, at 45 degrees.
    const auto alongHandle = [&](float distance) {
        const float offset = distance * std::numbers::sqrt2_v<float> / 2;
        return Point{lens.centre.x + offset, lens.centre.y + offset};
    };
    const Shape grip =
        subtract(segment(alongHandle(lens.radius - w), alongHandle(lens.radius + 3 * p), 1.1f * p),
                 circle(lens.centre, lens.radius - w));
    outlinedLit(canvas, grip, handle, {13 * p, 12 * p}, {16 * p, 16 * p}, w);
    const Rgba rim = rgb(0x6A737E);
    canvas.fill(subtract(circle(lens.centre, lens.radius),
                         circle(lens.centre, lens.radius - lens.rimWidth - w)),
                outlineOf(rim));
    if (lens.rimWidth > w) {
        canvas.fill(subtract(circle(lens.centre, lens.radius - w),
                             circle(lens.centre, lens.radius - lens.rimWidth)),
                    lit(rim, {6 * p, 5 * p}, {15 * p, 14 * p}));
    }
    canvas.fill(circle(lens.centre, lens.radius - lens.rimWidth - w),
                radial({lens.centre.x - p, lens.centre.y - p}, 4 * p, rgb(0xF4FAFF, 0.3f),
                       rgb(0x9CCAF2, 0.25f)));
    canvas.fill(
        segment({lens.centre.x - 1.7f * p, lens.centre.y - 0.5f * p},
                {lens.centre.x - 0.7f * p, lens.centre.y - 1.5f * p}, std::max(0.5f, 0.3f * p)),
        rgb(0xFFFFFF, 0.9f));
}

}  // namespace

void drawAppIcon(Canvas& canvas, const IconLayout& layout) {
    drawSlip(canvas, layout);
    const Lens lens = lensOf(layout);
    if (layout.zoom > 1) {
        canvas.magnify(circle(lens.centre, lens.radius - lens.rimWidth), lens.centre, layout.zoom);
        drawSlip(canvas, layout);
        canvas.resetView();
    }
    drawMagnifier(canvas, layout, lens);
}

}  // namespace lorvex::icons
