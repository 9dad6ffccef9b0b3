#pragma once
#include <vector>

#include "Point.h"

// An area of the plane given by its signed distance: negative inside, positive outside,
// in pixels. Drawing anti-aliases along the zero line; the level's blocked and rug cells
// are the cells whose centres lie inside, so a picture and its data agree exactly.
class Shape {
public:
    struct Bounds {
        double left;
        double bottom;
        double right;
        double top;
    };

    static Shape Circle(Point center, double radius);
    static Shape Ellipse(Point center, double radiusX, double radiusY, double angleDegrees = 0.0);
    // A rectangle with rounded corners, turned about its centre.
    static Shape Box(Point center, double halfWidth, double halfHeight, double cornerRadius = 0.0,
                     double angleDegrees = 0.0);
    static Shape Rect(double left, double bottom, double right, double top, double cornerRadius = 0.0);
    // A segment with round ends.
    static Shape Capsule(Point from, Point to, double radius);
    // A polygon with straight edges, corners in either winding order.
    static Shape Polygon(const std::vector<Point>& corners);

    double DistanceAt(Point point) const;
    bool Contains(Point point) const;
    Bounds GetBounds() const;
    Point GetCenter() const { return _center; }
    // Half the width and height before turning: the radii of a circle or an ellipse.
    Point GetHalfSize() const { return {_halfSize.x + _radius, _halfSize.y + _radius}; }
    double GetAngleDegrees() const { return _angleDegrees; }

    // The same area moved by `offset`.
    Shape Moved(Point offset) const;
    // The area grown by `amount` pixels on every side (shrunk when negative).
    Shape Grown(double amount) const;

private:
    enum class Kind { CIRCLE, ELLIPSE, BOX, CAPSULE, POLYGON };

    Shape(Kind kind, Point center);
    void _Turn(double angleDegrees);
    Point _ToLocal(Point point) const;
    double _EllipseDistance(Point local) const;
    double _BoxDistance(Point local) const;
    double _CapsuleDistance(Point point) const;
    double _PolygonDistance(Point point) const;

    Kind _kind;
    Point _center;
    Point _halfSize;      // radii of an ellipse, half sides of a box
    double _radius;       // circle, capsule and box corners; also what Grown adds
    double _angleDegrees;
    double _cos;
    double _sin;
    Point _end;           // the capsule's second point
    std::vector<Point> _corners;
};
