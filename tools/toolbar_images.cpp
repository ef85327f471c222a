#include "tools/toolbar_images.h"

#include <vector>

#include "tools/icon_style.h"

// Coordinates are pixel edges: a box from 2 to 5 covers the pixels 2, 3 and 4 exactly.

namespace lorvex::icons {
namespace {

constexpr Rgba kPaper = rgb(0xFFFFFF);
constexpr Rgba kPaperShade = rgb(0xE9EDF2);
constexpr Rgba kPaperOutline = rgb(0x6E7682);
constexpr Rgba kTextLine = rgb(0x9AA3B0);
constexpr Rgba kMetal = rgb(0xB4BAC2);

// A sheet with a folded top-right corner and a few lines of text.
struct Sheet {
    float left, top, right, bottom, fold;
    std::vector<float> lineRows;
    float lineLeft, lineRight;
};

void drawSheet(Canvas& canvas, const Sheet& sheet) {
    const float foldLeft = sheet.right - sheet.fold;
    const float foldBottom = sheet.top + sheet.fold;
    const Shape outline = polygon({{sheet.left, sheet.top},
                                   {foldLeft, sheet.top},
                                   {sheet.right, foldBottom},
                                   {sheet.right, sheet.bottom},
                                   {sheet.left, sheet.bottom}});
    outlined(canvas, outline,
             linear({sheet.left, sheet.top}, kPaper, {sheet.right, sheet.bottom}, kPaperShade),
             kPaperOutline);
    const Shape dogEar =
        polygon({{foldLeft, sheet.top}, {sheet.right, foldBottom}, {foldLeft, foldBottom}});
    canvas.fill(dogEar, kPaperOutline);
    canvas.fill(grow(dogEar, -0.7f), rgb(0xD5DBE3));
    for (float row : sheet.lineRows) {
        canvas.fill(box(sheet.lineLeft, row, sheet.lineRight, row + 1), kTextLine);
    }
}

void drawSheetBehind(Canvas& canvas) {
    drawSheet(canvas, {2, 0, 12, 15, 3, {3, 5, 7, 9}, 4, 9});
}

}  // namespace

void drawOpen(Canvas& canvas) {
    const Rgba back = rgb(0xDDA22A);
    const Rgba front = rgb(0xFFD650);
    outlinedLit(canvas, unite(box(0, 2, 7, 6, 1), box(0, 4, 14, 14, 1)), back, {0, 2}, {14, 14});
    outlined(canvas, box(2, 5, 12, 10), solid(kPaper), kPaperOutline);
    const Shape flap = polygon({{3, 8}, {16, 8}, {14, 14}, {0, 14}});
    outlinedLit(canvas, flap, front, {2, 8}, {14, 14});
    // The small grey container in front: lid, body and a grip.
    const Shape container = box(9, 10, 16, 16, 0.8f);
    outlinedLit(canvas, container, kMetal, {9, 10}, {16, 16});
    canvas.fill(box(10, 12, 15, 13), outlineOf(kMetal));
    canvas.fill(box(12, 14, 13, 15), outlineOf(kMetal));
}

void drawPaste(Canvas& canvas) {
    const Rgba wood = rgb(0xB97A3C);
    outlinedLit(canvas, box(1, 2, 13, 16, 1.5f), wood, {1, 2}, {13, 16});
    const Shape clip = unite(box(4, 1, 10, 5, 1), box(5, 0, 9, 2, 1));
    outlinedLit(canvas, clip, kMetal, {4, 0}, {10, 5});
    canvas.fill(box(6, 1, 8, 2), outlineOf(kMetal));
    drawSheet(canvas, {6, 6, 16, 16, 3, {9, 11, 13}, 8, 13});
}

void drawSaveText(Canvas& canvas) {
    drawSheetBehind(canvas);
    // The floppy disk: a body with a cut corner, a metal shutter and a white label.
    const Rgba blue = rgb(0x2F6BD8);
    const Shape body = polygon({{7, 7}, {14, 7}, {16, 9}, {16, 16}, {7, 16}});
    outlinedLit(canvas, body, blue, {7, 7}, {16, 16});
    canvas.fill(box(9, 8, 14, 11), lit(kMetal, {9, 8}, {14, 11}));
    canvas.fill(box(12, 8, 13, 10), outlineOf(kMetal));
    canvas.fill(box(9, 12, 14, 15), kPaper);
    canvas.fill(box(10, 13, 13, 14), kTextLine);
}

void drawSaveHtml(Canvas& canvas) {
    drawSheetBehind(canvas);
    // The globe: sea with two continents, lit from the top left.
    const Point centre{11, 11};
    const Rgba sea = rgb(0x3A86E8);
    const Shape globe = circle(centre, 5);
    canvas.fill(globe, outlineOf(sea));
    const Shape inside = grow(globe, -kOutline);
    canvas.fill(inside, radial({9, 9}, 7, lighter(sea, 0.55f), darker(sea, 0.05f)));
    const Rgba land = rgb(0x3DAA3A);
    const Shape continents = unite(unite(polygon({{6, 8}, {8, 6.5f}, {11, 7}, {10, 9}, {8, 10}}),
                                         polygon({{9, 11}, {11, 11.5f}, {10.5f, 15}, {9, 14}})),
                                   polygon({{12.5f, 8},
                                            {14.5f, 7},
                                            {15.5f, 10},
                                            {14.5f, 11},
                                            {14.5f, 13.5f},
                                            {13, 13},
                                            {12.5f, 11}}));
    canvas.fill(intersect(continents, inside), radial({9, 9}, 7, lighter(land, 0.3f), land));
}

void drawAnalyse(Canvas& canvas) {
    // Teeth on the axes and on the diagonals, all on whole pixels so that they stay sharp.
    const Point centre{8, 8};
    Shape gear = circle(centre, 5.5f);
    for (const Shape& tooth :
         {box(6, 1, 10, 4, 0.4f), box(6, 12, 10, 15, 0.4f), box(1, 6, 4, 10, 0.4f),
          box(12, 6, 15, 10, 0.4f), box(2, 2, 5, 5, 0.6f), box(11, 2, 14, 5, 0.6f),
          box(2, 11, 5, 14, 0.6f), box(11, 11, 14, 14, 0.6f)}) {
        gear = unite(gear, tooth);
    }
    gear = subtract(gear, circle(centre, 2));
    outlinedLit(canvas, gear, rgb(0xA2A8B0), {2, 2}, {14, 14});
}

void drawHelp(Canvas& canvas) {
    // The book is 15 pixels wide so that its spine is the single pixel column 7.
    const Rgba cover = rgb(0xB8323A);
    const Shape coverShape = box(0, 5, 15, 16);
    outlinedLit(canvas, coverShape, cover, {0, 4}, {15, 16});
    const Shape pages = polygon({{1, 2.5f},
                                 {4, 2},
                                 {7.5f, 3.5f},
                                 {11, 2},
                                 {14, 2.5f},
                                 {14, 13},
                                 {11, 12.5f},
                                 {7.5f, 14},
                                 {4, 12.5f},
                                 {1, 13}});
    outlined(canvas, pages, linear({1, 2}, kPaper, {14, 14}, kPaperShade), kPaperOutline);
    canvas.fill(box(7, 4, 8, 14), kPaperOutline);
    for (float row : {6.0f, 8.0f, 10.0f}) {
        canvas.fill(box(2, row, 6, row + 1), kTextLine);
        canvas.fill(box(9, row, 13, row + 1), kTextLine);
    }
}

void drawInfo(Canvas& canvas) {
    const Rgba blue = rgb(0x2F6BD8);
    const Shape disc = circle({8, 8}, 7.5f);
    canvas.fill(disc, outlineOf(blue));
    canvas.fill(grow(disc, -kOutline),
                radial({5.5f, 5}, 11, lighter(blue, 0.55f), darker(blue, 0.1f)));
    const Rgba white = rgb(0xFFFFFF);
    canvas.fill(box(7, 3, 9, 5, 0.6f), white);
    canvas.fill(unite(unite(box(7, 7, 9, 12), box(6, 7, 9, 8)), box(6, 11, 10, 12)), white);
}

}  // namespace lorvex::icons
