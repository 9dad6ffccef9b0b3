#pragma once
#include <vector>

#include "Rgba.h"

// A picture being drawn: rows bottom first, as a TGA stores them; straight alpha.
class Canvas {
public:
    Canvas(int width, int height, const Rgba& fill);

    int Width() const { return _width; }
    int Height() const { return _height; }
    const Rgba& At(int x, int y) const { return _pixels[_IndexOf(x, y)]; }
    void Set(int x, int y, const Rgba& color) { _pixels[_IndexOf(x, y)] = color; }

    // Paints `color` over the pixel, covering the given fraction of it ("over" compositing).
    void Blend(int x, int y, const Rgba& color, double coverage);

    // Gives every fully transparent pixel the colour of its nearest visible neighbours, so
    // that linear filtering never pulls a dark fringe into a sprite's edge.
    void BleedIntoTransparent();

private:
    int _IndexOf(int x, int y) const { return y * _width + x; }
    bool _BleedPass(std::vector<bool>& isFilled);
    bool _AverageFilledNeighbours(int x, int y, const std::vector<bool>& isFilled, Rgba* average) const;

    int _width;
    int _height;
    std::vector<Rgba> _pixels;
};
