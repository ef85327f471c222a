#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

// A tiny vector painter for the toolbar images and the application icon: shapes are signed
// distance functions in design units, painted anti-aliased onto a square RGBA canvas.
namespace lorvex::icons {

struct Point {
    float x = 0;
    float y = 0;
};

// Straight (not premultiplied) colour, each channel 0..1.
struct Rgba {
    float r = 0;
    float g = 0;
    float b = 0;
    float a = 1;
};

constexpr Rgba rgb(std::uint32_t hex, float alpha = 1) {
    return {static_cast<float>((hex >> 16) & 0xFF) / 255,
            static_cast<float>((hex >> 8) & 0xFF) / 255, static_cast<float>(hex & 0xFF) / 255,
            alpha};
}
Rgba mix(Rgba from, Rgba to, float t);
Rgba lighter(Rgba colour, float t);
Rgba darker(Rgba colour, float t);

// Signed distance to the shape's edge: negative inside, positive outside.
using Shape = std::function<float(Point)>;
using Paint = std::function<Rgba(Point)>;

Shape circle(Point centre, float radius);
Shape box(float left, float top, float right, float bottom, float cornerRadius = 0);
Shape polygon(std::vector<Point> corners);
Shape segment(Point from, Point to, float halfWidth);
Shape unite(Shape a, Shape b);
Shape intersect(Shape a, Shape b);
Shape subtract(Shape shape, Shape hole);
Shape rotate(Shape shape, Point centre, float degrees);
Shape translate(Shape shape, float dx, float dy);
// Positive distance grows the shape, negative shrinks it.
Shape grow(Shape shape, float distance);

Paint solid(Rgba colour);
Paint linear(Point from, Rgba fromColour, Point to, Rgba toColour);
Paint radial(Point centre, float radius, Rgba inner, Rgba outer);

class Canvas {
public:
    // pixels × pixels image showing designUnits × designUnits of the drawing.
    Canvas(int pixels, float designUnits);

    int pixels() const { return pixels_; }
    // Until resetView, everything filled is enlarged by `zoom` around `centre` and shows only
    // inside `clip`, as under a magnifying glass.
    void magnify(Shape clip, Point centre, float zoom);
    void resetView();
    void fill(const Shape& shape, const Paint& paint);
    void fill(const Shape& shape, Rgba colour) { fill(shape, solid(colour)); }
    // Straight-alpha RGBA bytes, row-major.
    std::vector<std::uint8_t> rgbaBytes() const;

private:
    float coverage(const Shape& shape, int x, int y) const;
    void paint(const Shape& shape, const Paint& paint);

    struct View {
        Shape clip;
        Point centre;
        float zoom = 1;
    };

    int pixels_;
    float unitsPerPixel_;
    std::vector<Rgba> premultiplied_;
    std::optional<View> view_;
};

}  // namespace lorvex::icons
