#pragma once
// A sprite's quad cut down to the part of its image that is not transparent. Under alpha
// blending (GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA) with no depth or stencil test, a fragment of
// alpha 0 changes nothing, so where every texel that linear filtering takes is transparent the
// quad need not reach: its rasteriser work shrinks with the transparent margin (a quarter of a
// mine's). Cutting moves the quad's edges, and rounding may then take or leave a pixel along
// them, so a quad is cut only where its image is transparent a texel either side of every edge.
#include "GlesDrawState.h"

class GlesQuadTrim {
public:
    // `quad`: the corners of a quad in order round it, of one colour, with texture
    // coordinates mapped into `sampling`'s ES texture, in a viewport of `viewport`. Cuts them
    // where it can; false where nothing of the quad would change a pixel.
    static bool Trim(const GlesSampling& sampling, const GLint viewport[4], GlesVertex quad[4]);
};
