#pragma once

#include <vector>

#include "tools/icon_canvas.h"

// The application icon: a lottery slip with a grid of cells, a few of them crossed, under a
// magnifying glass.
namespace lorvex::icons {

// Each size has its own layout so that the grid lines fall on whole pixels.
struct IconLayout {
    int pixels;
    float outline;
    float gridLine;
    float zoom;  // of the magnifying glass; 1 where the pixels are too few to show more
    int columns;
    int rows;
    std::vector<int> crossedCells;  // row-major indices into the grid
};

// Draws onto an empty canvas of layout.pixels units.
void drawAppIcon(Canvas& canvas, const IconLayout& layout);

}  // namespace lorvex::icons
