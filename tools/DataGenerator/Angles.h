#pragma once

// The turn constants every drawing shares.
struct Angles {
    static constexpr double PI = 3.14159265358979323846;
    static constexpr double DEGREES_TO_RADIANS = PI / 180.0;
};
