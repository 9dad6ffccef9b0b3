#include "Vec2.h"

#include <cmath>

constexpr Vec2 Vec2::ZERO(0.0f, 0.0f);
constexpr Vec2 Vec2::ONE(1.0f, 1.0f);

float Vec2::Length() const { return std::sqrt(x * x + y * y); }
