#include "Canvas.h"

namespace {

// Below this alpha a pixel rounds to 0 in a file and its colour is free to set.
constexpr double INVISIBLE_ALPHA = 0.5 / 255.0;

}  // namespace

Canvas::Canvas(int width, int height, const Rgba& fill)
    : _width(width), _height(height), _pixels(static_cast<std::size_t>(width) * height, fill) {}

void Canvas::Blend(int x, int y, const Rgba& color, double coverage) {
    Rgba& below = _pixels[_IndexOf(x, y)];
    const double sourceAlpha = color.a * coverage;
    if (sourceAlpha <= 0.0) return;
    const double belowWeight = below.a * (1.0 - sourceAlpha);
    const double alpha = sourceAlpha + belowWeight;
    below = {(color.r * sourceAlpha + below.r * belowWeight) / alpha,
             (color.g * sourceAlpha + below.g * belowWeight) / alpha,
             (color.b * sourceAlpha + below.b * belowWeight) / alpha, alpha};
}

void Canvas::BleedIntoTransparent() {
    std::vector<bool> isFilled(_pixels.size());
    for (std::size_t i = 0; i < _pixels.size(); ++i) isFilled[i] = _pixels[i].a >= INVISIBLE_ALPHA;
    while (_BleedPass(isFilled)) {
    }
}

// One ring further out from the visible pixels; false once nothing changed.
bool Canvas::_BleedPass(std::vector<bool>& isFilled) {
    std::vector<int> reached;
    for (int y = 0; y < _height; ++y) {
        for (int x = 0; x < _width; ++x) {
            Rgba average{};
            if (isFilled[_IndexOf(x, y)] || !_AverageFilledNeighbours(x, y, isFilled, &average)) continue;
            _pixels[_IndexOf(x, y)] = average.WithAlpha(0.0);
            reached.push_back(_IndexOf(x, y));
        }
    }
    for (const int index : reached) isFilled[index] = true;
    return !reached.empty();
}

bool Canvas::_AverageFilledNeighbours(int x, int y, const std::vector<bool>& isFilled, Rgba* average) const {
    int count = 0;
    Rgba sum{};
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            const int nx = x + dx;
            const int ny = y + dy;
            if (nx < 0 || ny < 0 || nx >= _width || ny >= _height || !isFilled[_IndexOf(nx, ny)]) continue;
            const Rgba& color = _pixels[_IndexOf(nx, ny)];
            sum = {sum.r + color.r, sum.g + color.g, sum.b + color.b, 0.0};
            ++count;
        }
    }
    if (count == 0) return false;
    *average = {sum.r / count, sum.g / count, sum.b / count, 0.0};
    return true;
}
