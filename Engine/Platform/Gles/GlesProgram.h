#pragma once
// The one shader program that stands in for OpenGL 1.1's fixed pipeline: a vertex's
// position through one matrix, its colour, and how a texture takes part (none; modulating
// the colour, as the default texture environment does; or as a bitmap's mask, whose unset
// bits draw nothing). Vertices go through one buffer, as WebGL has no client-side arrays.
#include <GLES2/gl2.h>

#include "GlesMatrixStack.h"

struct GlesVertex {
    float x, y;
    float s, t;
    float red, green, blue, alpha;
};

enum class GlesTexturing { NONE = 0, MODULATE = 1, BITMAP_MASK = 2 };

class GlesProgram {
public:
    GlesProgram();
    // Draws with the texture bound to unit 0; builds the program on first use, when a
    // context is current.
    void Draw(GLenum mode, const GlesVertex* vertices, int count, const GlesMatrixStack::Matrix& transform,
              GlesTexturing texturing);

private:
    void _Build();

    GLuint _program;
    GLuint _buffer;
    GLint _transform;
    GLint _texturing;
    GLint _sampler;
};
