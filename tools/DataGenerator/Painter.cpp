#include "Painter.h"

#include <algorithm>
#include <cmath>

namespace {

const Rgba SHADOW_COLOR{0.0, 0.0, 0.0, 1.0};

// The fraction of a pixel that lies inside an edge at signed distance `distance`.
double CoverageAt(double distance) { return std::clamp(0.5 - distance, 0.0, 1.0); }

Shape::Bounds Widened(const Shape::Bounds& bounds, double margin) {
    return {bounds.left - margin, bounds.bottom - margin, bounds.right + margin, bounds.top + margin};
}

}  // namespace

template <typename Visit>
void Painter::_Cover(const Shape::Bounds& area, const Visit& visit) {
    const int left = static_cast<int>(std::floor(std::max(area.left + _origin.x, _clip.left)));
    const int bottom = static_cast<int>(std::floor(std::max(area.bottom + _origin.y, _clip.bottom)));
    const int right = static_cast<int>(std::ceil(std::min(area.right + _origin.x, _clip.right)));
    const int top = static_cast<int>(std::ceil(std::min(area.top + _origin.y, _clip.top)));
    for (int y = bottom; y < top; ++y) {
        for (int x = left; x < right; ++x) visit(x, y, {x + 0.5 - _origin.x, y + 0.5 - _origin.y});
    }
}

Painter::Painter(Canvas& canvas, Point origin, const Shape::Bounds& clip)
    : _canvas(canvas), _origin(origin), _clip(clip) {}

void Painter::Fill(const Shape& shape, const Rgba& color) {
    _Cover(Widened(shape.GetBounds(), 1.0), [&](int x, int y, Point point) {
        _canvas.Blend(x, y, color, CoverageAt(shape.DistanceAt(point)));
    });
}

void Painter::Fill(const Shape& shape, const Shader& shader) {
    _Cover(Widened(shape.GetBounds(), 1.0), [&](int x, int y, Point point) {
        const double coverage = CoverageAt(shape.DistanceAt(point));
        if (coverage > 0.0) _canvas.Blend(x, y, shader(point), coverage);
    });
}

void Painter::Outline(const Shape& shape, double width, const Rgba& color) {
    _Cover(Widened(shape.GetBounds(), 1.0), [&](int x, int y, Point point) {
        const double distance = shape.DistanceAt(point);
        _canvas.Blend(x, y, color, std::min(CoverageAt(distance), CoverageAt(-distance - width)));
    });
}

void Painter::Shadow(const Shape& shape, double softness, double opacity) {
    _Cover(Widened(shape.GetBounds(), softness + 1.0), [&](int x, int y, Point point) {
        const double fade = std::clamp((softness - shape.DistanceAt(point)) / (2.0 * softness), 0.0, 1.0);
        _canvas.Blend(x, y, SHADOW_COLOR, opacity * fade * fade * (3.0 - 2.0 * fade));
    });
}

