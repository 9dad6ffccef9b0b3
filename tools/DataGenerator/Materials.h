#pragma once
#include "Noise.h"
#include "Painter.h"
#include "Placement.h"

// Surface shaders shared by the furniture: wood with grain, soft fabric, light from the top
// left.
class Materials {
public:
    Materials();

    // Grain running along the placement's local x axis.
    Painter::Shader Wood(const Rgba& base, const Placement& placement) const;
    // A fine weave with a little mottling.
    Painter::Shader Fabric(const Rgba& base) const;
    // Lighter towards the top left of a shape of the given radius around `center`, darker
    // towards the bottom right.
    static Painter::Shader Lit(const Rgba& base, Point center, double radius, double strength);

private:
    Noise _noise;
};
