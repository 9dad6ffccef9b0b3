#pragma once
#include "Painter.h"
#include "Rug.h"

// Rugs, each with a pattern that turns about its middle: they are where babies spin.
class RugArt {
public:
    void Paint(Painter& painter, const Rug& rug) const;

private:
    void _PaintStarryNight(Painter& painter, const Shape& shape) const;
    void _PaintPinwheel(Painter& painter, const Shape& shape) const;
    void _PaintRainbow(Painter& painter, const Shape& shape) const;
    void _PaintStitching(Painter& painter, const Shape& shape, const Rgba& color) const;
};
