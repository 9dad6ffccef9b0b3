#include "Shape.h"

#include <algorithm>
#include <cmath>

#include "Angles.h"

namespace {

double LengthOf(Point vector) { return std::sqrt(vector.x * vector.x + vector.y * vector.y); }

double Dot(Point a, Point b) { return a.x * b.x + a.y * b.y; }

}  // namespace

Shape::Shape(Kind kind, Point center)
    : _kind(kind), _center(center), _halfSize{0.0, 0.0}, _radius(0.0), _angleDegrees(0.0), _cos(1.0), _sin(0.0),
      _end(center) {}

Shape Shape::Circle(Point center, double radius) {
    Shape shape(Kind::CIRCLE, center);
    shape._radius = radius;
    return shape;
}

Shape Shape::Ellipse(Point center, double radiusX, double radiusY, double angleDegrees) {
    Shape shape(Kind::ELLIPSE, center);
    shape._halfSize = {radiusX, radiusY};
    shape._Turn(angleDegrees);
    return shape;
}

Shape Shape::Box(Point center, double halfWidth, double halfHeight, double cornerRadius, double angleDegrees) {
    Shape shape(Kind::BOX, center);
    shape._halfSize = {halfWidth - cornerRadius, halfHeight - cornerRadius};
    shape._radius = cornerRadius;
    shape._Turn(angleDegrees);
    return shape;
}

Shape Shape::Rect(double left, double bottom, double right, double top, double cornerRadius) {
    return Box({(left + right) * 0.5, (bottom + top) * 0.5}, (right - left) * 0.5, (top - bottom) * 0.5,
               cornerRadius);
}

Shape Shape::Capsule(Point from, Point to, double radius) {
    Shape shape(Kind::CAPSULE, from);
    shape._end = to;
    shape._radius = radius;
    return shape;
}

Shape Shape::Polygon(const std::vector<Point>& corners) {
    Shape shape(Kind::POLYGON, corners.front());
    shape._corners = corners;
    return shape;
}

double Shape::DistanceAt(Point point) const {
    switch (_kind) {
        case Kind::CIRCLE: return LengthOf(point - _center) - _radius;
        case Kind::ELLIPSE: return _EllipseDistance(_ToLocal(point)) - _radius;
        case Kind::BOX: return _BoxDistance(_ToLocal(point));
        case Kind::CAPSULE: return _CapsuleDistance(point);
        case Kind::POLYGON: return _PolygonDistance(point) - _radius;
    }
    return 0.0;
}

void Shape::_Turn(double angleDegrees) {
    _angleDegrees = angleDegrees;
    _cos = std::cos(angleDegrees * Angles::DEGREES_TO_RADIANS);
    _sin = std::sin(angleDegrees * Angles::DEGREES_TO_RADIANS);
}

Point Shape::_ToLocal(Point point) const {
    const Point offset = point - _center;
    return {offset.x * _cos + offset.y * _sin, -offset.x * _sin + offset.y * _cos};
}

// The implicit function over the length of its gradient: close to the true distance near
// the edge, which is all anti-aliasing needs.
double Shape::_EllipseDistance(Point local) const {
    const double u = local.x / _halfSize.x;
    const double v = local.y / _halfSize.y;
    const double value = std::sqrt(u * u + v * v);
    if (value == 0.0) return -std::min(_halfSize.x, _halfSize.y);
    const Point gradient{u / (_halfSize.x * value), v / (_halfSize.y * value)};
    return (value - 1.0) / LengthOf(gradient);
}

double Shape::_BoxDistance(Point local) const {
    const double qx = std::fabs(local.x) - _halfSize.x;
    const double qy = std::fabs(local.y) - _halfSize.y;
    const double outside = LengthOf({std::max(qx, 0.0), std::max(qy, 0.0)});
    return outside + std::min(std::max(qx, qy), 0.0) - _radius;
}

double Shape::_CapsuleDistance(Point point) const {
    const Point along = _end - _center;
    const Point offset = point - _center;
    const double lengthSquared = Dot(along, along);
    const double t = lengthSquared == 0.0 ? 0.0 : std::clamp(Dot(offset, along) / lengthSquared, 0.0, 1.0);
    return LengthOf(offset - along * t) - _radius;
}

// Distance to the nearest edge, negative inside by the even-odd rule.
double Shape::_PolygonDistance(Point point) const {
    double nearest = LengthOf(point - _corners.front());
    bool isInside = false;
    for (std::size_t i = 0, j = _corners.size() - 1; i < _corners.size(); j = i++) {
        const Point a = _corners[j];
        const Point edge = _corners[i] - a;
        const double t = std::clamp(Dot(point - a, edge) / Dot(edge, edge), 0.0, 1.0);
        nearest = std::min(nearest, LengthOf(point - a - edge * t));
        const bool crosses = (_corners[i].y > point.y) != (a.y > point.y);
        if (crosses && point.x < a.x + edge.x * (point.y - a.y) / edge.y) isInside = !isInside;
    }
    return isInside ? -nearest : nearest;
}

Shape::Bounds Shape::GetBounds() const {
    // A turned box or ellipse reaches this far from its centre along x and y.
    const double reachX = std::fabs(_halfSize.x * _cos) + std::fabs(_halfSize.y * _sin) + _radius;
    const double reachY = std::fabs(_halfSize.x * _sin) + std::fabs(_halfSize.y * _cos) + _radius;
    Bounds bounds{std::min(_center.x, _end.x) - reachX, std::min(_center.y, _end.y) - reachY,
                  std::max(_center.x, _end.x) + reachX, std::max(_center.y, _end.y) + reachY};
    for (const Point& corner : _corners) {
        bounds = {std::min(bounds.left, corner.x - _radius), std::min(bounds.bottom, corner.y - _radius),
                  std::max(bounds.right, corner.x + _radius), std::max(bounds.top, corner.y + _radius)};
    }
    return bounds;
}

bool Shape::Contains(Point point) const {
    const Bounds bounds = GetBounds();
    if (point.x < bounds.left || point.x > bounds.right || point.y < bounds.bottom || point.y > bounds.top) {
        return false;
    }
    return DistanceAt(point) < 0.0;
}

Shape Shape::Moved(Point offset) const {
    Shape shape = *this;
    shape._center = _center + offset;
    shape._end = _end + offset;
    for (Point& corner : shape._corners) corner = corner + offset;
    return shape;
}

Shape Shape::Grown(double amount) const {
    Shape shape = *this;
    shape._radius += amount;
    return shape;
}
