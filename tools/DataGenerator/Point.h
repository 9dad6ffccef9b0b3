#pragma once

// A point or offset in a picture's own coordinates: pixels, origin at the bottom left, y up.
struct Point {
    double x;
    double y;

    Point operator+(const Point& other) const { return {x + other.x, y + other.y}; }
    Point operator-(const Point& other) const { return {x - other.x, y - other.y}; }
    Point operator*(double factor) const { return {x * factor, y * factor}; }
};
