#pragma once
#include "Shape.h"

// Where a drawing stands and how it is turned: shapes given in its own coordinates (origin
// at its centre, unturned) come out placed in the picture.
class Placement {
public:
    Placement(Point center, double angleDegrees);
    // The centre and turn of a footprint.
    explicit Placement(const Shape& footprint);

    Point ToPicture(Point local) const;

    Shape Circle(Point center, double radius) const;
    Shape Ellipse(Point center, double radiusX, double radiusY, double angleDegrees = 0.0) const;
    Shape Box(Point center, double halfWidth, double halfHeight, double cornerRadius = 0.0,
              double angleDegrees = 0.0) const;
    Shape Capsule(Point from, Point to, double radius) const;
    // A star of `points` points, its tips at `outerRadius` and its notches at `innerRadius`.
    Shape Star(Point center, int points, double outerRadius, double innerRadius, double angleDegrees) const;

private:
    Point _center;
    double _angleDegrees;
    double _cos;
    double _sin;
};
