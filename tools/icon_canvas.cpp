#include "tools/icon_canvas.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

namespace lorvex::icons {
namespace {

// Sub-samples per pixel side where an edge crosses the pixel.
constexpr int kSubSamples = 8;

float length(float x, float y) {
    return std::sqrt(x * x + y * y);
}

std::uint8_t toByte(float channel) {
    return static_cast<std::uint8_t>(std::lround(std::clamp(channel, 0.0f, 1.0f) * 255.0f));
}

}  // namespace

Rgba mix(Rgba from, Rgba to, float t) {
    t = std::clamp(t, 0.0f, 1.0f);
    return {from.r + (to.r - from.r) * t, from.g + (to.g - from.g) * t,
            from.b + (to.b - from.b) * t, from.a + (to.a - from.a) * t};
}

Rgba lighter(Rgba colour, float t) {
    return mix(colour, {1, 1, 1, colour.a}, t);
}
Rgba darker(Rgba colour, float t) {
    return mix(colour, {0, 0, 0, colour.a}, t);
}

Shape circle(Point centre, float radius) {
    return [=](Point p) { return length(p.x - centre.x, p.y - centre.y) - radius; };
}

Shape box(float left, float top, float right, float bottom, float cornerRadius) {
    const Point centre{(left + right) / 2, (top + bottom) / 2};
    const float halfWidth = (right - left) / 2 - cornerRadius;
    const float halfHeight = (bottom - top) / 2 - cornerRadius;
    return [=](Point p) {
        const float qx = std::abs(p.x - centre.x) - halfWidth;
        const float qy = std::abs(p.y - centre.y) - halfHeight;
        return length(std::max(qx, 0.0f), std::max(qy, 0.0f)) + std::min(std::max(qx, qy), 0.0f) -
               cornerRadius;
    };
}

Shape polygon(std::vector<Point> corners) {
    return [corners = std::move(corners)](Point p) {
        const auto count = corners.size();
        float nearest = 1e30f;
        bool inside = false;
        for (std::size_t i = 0, j = count - 1; i < count; j = i++) {
            const Point a = corners[i];
            const Point b = corners[j];
            const float ex = b.x - a.x;
            const float ey = b.y - a.y;
            const float wx = p.x - a.x;
            const float wy = p.y - a.y;
            const float lengthSquared = ex * ex + ey * ey;
            if (lengthSquared == 0) continue;  // a repeated corner
            const float along = std::clamp((wx * ex + wy * ey) / lengthSquared, 0.0f, 1.0f);
            nearest = std::min(nearest, length(wx - ex * along, wy - ey * along));
            const bool crosses = (a.y > p.y) != (b.y > p.y);
            if (crosses && p.x < a.x + (p.y - a.y) * ex / ey) inside = !inside;
        }
        return inside ? -nearest : nearest;
    };
}

Shape segment(Point from, Point to, float halfWidth) {
    return [=](Point p) {
        const float ex = to.x - from.x;
        const float ey = to.y - from.y;
        const float wx = p.x - from.x;
        const float wy = p.y - from.y;
        const float along = std::clamp((wx * ex + wy * ey) / (ex * ex + ey * ey), 0.0f, 1.0f);
        return length(wx - ex * along, wy - ey * along) - halfWidth;
    };
}

Shape unite(Shape a, Shape b) {
    return [a = std::move(a), b = std::move(b)](Point p) { return std::min(a(p), b(p)); };
}

Shape intersect(Shape a, Shape b) {
    return [a = std::move(a), b = std::move(b)](Point p) { return std::max(a(p), b(p)); };
}

Shape subtract(Shape shape, Shape hole) {
    return [shape = std::move(shape), hole = std::move(hole)](Point p) {
        return std::max(shape(p), -hole(p));
    };
}

Shape rotate(Shape shape, Point centre, float degrees) {
    const float radians = degrees * std::numbers::pi_v<float> / 180.0f;
    const float c = std::cos(radians);
    const float s = std::sin(radians);
    return [shape = std::move(shape), centre, c, s](Point p) {
        const float dx = p.x - centre.x;
        const float dy = p.y - centre.y;
        return shape({centre.x + c * dx + s * dy, centre.y - s * dx + c * dy});
    };
}

Shape translate(Shape shape, float dx, float dy) {
    return [shape = std::move(shape), dx, dy](Point p) { return shape({p.x - dx, p.y - dy}); };
}

Shape grow(Shape shape, float distance) {
    return [shape = std::move(shape), distance](Point p) { return shape(p) - distance; };
}

Paint solid(Rgba colour) {
    return [colour](Point) { return colour; };
}

Paint linear(Point from, Rgba fromColour, Point to, Rgba toColour) {
    const float ex = to.x - from.x;
    const float ey = to.y - from.y;
    const float lengthSquared = ex * ex + ey * ey;
    return [=](Point p) {
        const float t = ((p.x - from.x) * ex + (p.y - from.y) * ey) / lengthSquared;
        return mix(fromColour, toColour, t);
    };
}

Paint radial(Point centre, float radius, Rgba inner, Rgba outer) {
    return
        [=](Point p) { return mix(inner, outer, length(p.x - centre.x, p.y - centre.y) / radius); };
}

Canvas::Canvas(int pixels, float designUnits)
    : pixels_(pixels),
      unitsPerPixel_(designUnits / static_cast<float>(pixels)),
      premultiplied_(static_cast<std::size_t>(pixels * pixels), Rgba{0, 0, 0, 0}) {}

float Canvas::coverage(const Shape& shape, int x, int y) const {
    const Point centre{(static_cast<float>(x) + 0.5f) * unitsPerPixel_,
                       (static_cast<float>(y) + 0.5f) * unitsPerPixel_};
    // Distances are never overestimated, so a pixel farther than half its diagonal from the
    // edge lies wholly on one side of it.
    const float distance = shape(centre);
    const float halfDiagonal = 0.7072f * unitsPerPixel_;
    if (distance >= halfDiagonal) return 0;
    if (distance <= -halfDiagonal) return 1;
    int inside = 0;
    for (int sy = 0; sy < kSubSamples; ++sy) {
        for (int sx = 0; sx < kSubSamples; ++sx) {
            const Point sample{
                (static_cast<float>(x) + (static_cast<float>(sx) + 0.5f) / kSubSamples) *
                    unitsPerPixel_,
                (static_cast<float>(y) + (static_cast<float>(sy) + 0.5f) / kSubSamples) *
                    unitsPerPixel_};
            if (shape(sample) <= 0) ++inside;
        }
    }
    return static_cast<float>(inside) / (kSubSamples * kSubSamples);
}

void Canvas::magnify(Shape clip, Point centre, float zoom) {
    view_ = View{std::move(clip), centre, zoom};
}

void Canvas::resetView() {
    view_.reset();
}

void Canvas::fill(const Shape& shape, const Paint& paint) {
    if (!view_) {
        this->paint(shape, paint);
        return;
    }
    const View& view = *view_;
    const auto source = [&view](Point p) {
        return Point{view.centre.x + (p.x - view.centre.x) / view.zoom,
                     view.centre.y + (p.y - view.centre.y) / view.zoom};
    };
    // Distances grow with the enlargement, so they stay true distances.
    const Shape enlarged = [&](Point p) {
        return std::max(view.clip(p), view.zoom * shape(source(p)));
    };
    this->paint(enlarged, [&](Point p) { return paint(source(p)); });
}

void Canvas::paint(const Shape& shape, const Paint& paint) {
    for (int y = 0; y < pixels_; ++y) {
        for (int x = 0; x < pixels_; ++x) {
            const float covered = coverage(shape, x, y);
            if (covered <= 0) continue;
            const Point centre{(static_cast<float>(x) + 0.5f) * unitsPerPixel_,
                               (static_cast<float>(y) + 0.5f) * unitsPerPixel_};
            const Rgba colour = paint(centre);
            const float alpha = colour.a * covered;
            Rgba& target = premultiplied_[static_cast<std::size_t>(y * pixels_ + x)];
            target.r = colour.r * alpha + target.r * (1 - alpha);
            target.g = colour.g * alpha + target.g * (1 - alpha);
            target.b = colour.b * alpha + target.b * (1 - alpha);
            target.a = alpha + target.a * (1 - alpha);
        }
    }
}

std::vector<std::uint8_t> Canvas::rgbaBytes() const {
    std::vector<std::uint8_t> bytes;
    bytes.reserve(premultiplied_.size() * 4);
    for (const Rgba& pixel : premultiplied_) {
        const float unpremultiply = pixel.a > 0 ? 1 / pixel.a : 0;
        bytes.push_back(toByte(pixel.r * unpremultiply));
        bytes.push_back(toByte(pixel.g * unpremultiply));
        bytes.push_back(toByte(pixel.b * unpremultiply));
        bytes.push_back(toByte(pixel.a));
    }
    return bytes;
}

}  // namespace lorvex::icons
