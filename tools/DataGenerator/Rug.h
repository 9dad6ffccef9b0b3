#pragma once
#include "Shape.h"

// A rug: every cell under it makes a baby spin.
struct Rug {
    enum class Style { STARRY_NIGHT, PINWHEEL, RAINBOW };

    Style style;
    Shape shape;
};
