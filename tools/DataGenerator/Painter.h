#pragma once
#include <functional>

#include "Canvas.h"
#include "Shape.h"

// Draws shapes onto a canvas, anti-aliased, in coordinates whose origin lies at `origin`
// pixels of the canvas; nothing is drawn outside the clip rectangle.
class Painter {
public:
    // The colour of a filled shape at a point in the painter's coordinates.
    using Shader = std::function<Rgba(Point)>;

    Painter(Canvas& canvas, Point origin, const Shape::Bounds& clip);

    void Fill(const Shape& shape, const Rgba& color);
    void Fill(const Shape& shape, const Shader& shader);
    // A band of `width` pixels just inside the shape's edge.
    void Outline(const Shape& shape, double width, const Rgba& color);
    // A soft dark copy of the shape, fading over `softness` pixels on both sides of its edge.
    void Shadow(const Shape& shape, double softness, double opacity);

private:
    // Visits every canvas pixel of `area` (painter coordinates) inside the clip, with the
    // painter coordinates of the pixel's centre.
    template <typename Visit>
    void _Cover(const Shape::Bounds& area, const Visit& visit);

    Canvas& _canvas;
    Point _origin;
    Shape::Bounds _clip;
};
