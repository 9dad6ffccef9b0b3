#pragma once

// A colour with alpha, four contiguous floats from 0 to 1, so that it can be handed to
// OpenGL as an array (glColor4fv).
struct Color {
    float r;
    float g;
    float b;
    float a;

    constexpr Color(float red, float green, float blue, float alpha) : r(red), g(green), b(blue), a(alpha) {}

    const float* AsArray() const { return &r; }

    static const Color WHITE;
    static const Color BLACK;
    static const Color RED;
    static const Color GREEN;
    static const Color BLUE;
    static const Color YELLOW;
    static const Color MAGENTA;
    static const Color CYAN;
    static const Color ORANGE;
    static const Color GREY;
    static const Color DARK_RED;
    static const Color DARK_GREEN;
    static const Color DARK_BLUE;
    static const Color DARK_YELLOW;
    static const Color DARK_MAGENTA;
    static const Color DARK_CYAN;
    static const Color BROWN;
    static const Color DARK_GREY;
};
