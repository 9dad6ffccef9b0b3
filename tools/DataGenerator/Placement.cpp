#include "Placement.h"

#include <cmath>
#include <vector>

#include "Angles.h"

Placement::Placement(Point center, double angleDegrees)
    : _center(center), _angleDegrees(angleDegrees), _cos(std::cos(angleDegrees * Angles::DEGREES_TO_RADIANS)),
      _sin(std::sin(angleDegrees * Angles::DEGREES_TO_RADIANS)) {}

Placement::Placement(const Shape& footprint) : Placement(footprint.GetCenter(), footprint.GetAngleDegrees()) {}

Point Placement::ToPicture(Point local) const {
    return {_center.x + local.x * _cos - local.y * _sin, _center.y + local.x * _sin + local.y * _cos};
}

Shape Placement::Circle(Point center, double radius) const { return Shape::Circle(ToPicture(center), radius); }

Shape Placement::Ellipse(Point center, double radiusX, double radiusY, double angleDegrees) const {
    return Shape::Ellipse(ToPicture(center), radiusX, radiusY, angleDegrees + _angleDegrees);
}

Shape Placement::Box(Point center, double halfWidth, double halfHeight, double cornerRadius,
                     double angleDegrees) const {
    return Shape::Box(ToPicture(center), halfWidth, halfHeight, cornerRadius, angleDegrees + _angleDegrees);
}

Shape Placement::Capsule(Point from, Point to, double radius) const {
    return Shape::Capsule(ToPicture(from), ToPicture(to), radius);
}

Shape Placement::Star(Point center, int points, double outerRadius, double innerRadius, double angleDegrees) const {
    std::vector<Point> corners;
    for (int i = 0; i < points * 2; ++i) {
        const double radius = i % 2 == 0 ? outerRadius : innerRadius;
        const double angle = (angleDegrees + 90.0) * Angles::DEGREES_TO_RADIANS + Angles::PI * i / points;
        corners.push_back(ToPicture({center.x + radius * std::cos(angle), center.y + radius * std::sin(angle)}));
    }
    return Shape::Polygon(corners);
}
