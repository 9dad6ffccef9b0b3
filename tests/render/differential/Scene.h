#pragma once
// A random scene made of the calls the engine makes: sprites turned, scaled, mirrored and
// tinted over each other (as TheRenderer::DrawQuad draws them), flat and shaded rectangles,
// circles as line loops, text through bitmap display lists, overlays that push and pop the
// colour-buffer attributes, blend functions, blending switched off and on, clears, line widths,
// new uploads to a texture, and skewed quads. It plays alike through either GlCalls.
#include <cstdint>
#include <string>
#include <vector>

#include "GlCalls.h"
#include "SceneAssets.h"

struct SceneStep {
    enum Kind { SPRITE, RECTANGLE, CIRCLE, TEXT, OVERLAY, BLEND_FUNCTION, BLENDING, CLEAR, LINE_WIDTH, UPLOAD,
                SKEWED_QUAD, SHADE_MODEL, PROJECTION };
    Kind kind;
    float x, y, width, height;  // centre (a rectangle's lower left corner) and size; a circle's radius is width
    float degrees, scaleX, scaleY;
    int slot;       // texture, font (0 small, 1 large), or the kind's choice
    int other;      // an overlay's blend function, an upload's image
    float u0, u1;   // a sprite's texture coordinate s at its sides (t runs from 0 to 1)
    float skew[2];  // how far a skewed quad's third corner is moved
    float color[4];
    std::string text;
};

class Scene {
public:
    static Scene Random(std::uint32_t seed);
    // Draws from a cleared frame, on the renderer's fixed state, in a pixel projection.
    void Play(const GlCalls& gl, SceneAssets& assets) const;
    std::string Describe() const;  // one step a line
    std::vector<SceneStep> steps;
};
