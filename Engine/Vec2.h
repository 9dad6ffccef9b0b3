#pragma once

// A point or size in the plane, two contiguous floats.
struct Vec2 {
    float x;
    float y;

    constexpr Vec2(float xValue, float yValue) : x(xValue), y(yValue) {}

    float Length() const;

    Vec2 operator+(const Vec2& other) const { return Vec2(x + other.x, y + other.y); }
    Vec2 operator-(const Vec2& other) const { return Vec2(x - other.x, y - other.y); }
    Vec2 operator*(float scalar) const { return Vec2(x * scalar, y * scalar); }
    bool operator==(const Vec2& other) const { return x == other.x && y == other.y; }

    static const Vec2 ZERO;
    static const Vec2 ONE;
};

inline Vec2 operator*(float scalar, const Vec2& vector) { return vector * scalar; }
