#pragma once
#include "Noise.h"
#include "Painter.h"

// Warm oak floorboards running left to right, with staggered joints and grain.
class FloorArt {
public:
    FloorArt();

    void Paint(Painter& painter, const Shape& area) const;

private:
    Rgba _ColorAt(Point point) const;

    Noise _noise;
};
