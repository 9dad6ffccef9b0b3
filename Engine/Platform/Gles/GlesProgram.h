#pragma once
// The shader programs that stand in for OpenGL 1.1's fixed pipeline, one for each way a
// texture takes part: vertices come already transformed to clip coordinates, with their
// colours clamped; a texture takes part not at all, modulating the colour (the default
// texture environment), or as a bitmap's mask, whose unset bits draw nothing. Where the
// texture coordinates stay inside the image and filtering is linear, they are mapped into the
// bordered image before they arrive (MODULATE); otherwise the program wraps and filters them
// as OpenGL 1.1 would (MODULATE_WRAPPED; see GlesSampling). Vertices go through one buffer,
// as WebGL has no client-side arrays. The ES state a draw needs (program, blending, the bound
// image) is set only where it differs from what ES already has.
#include <GLES2/gl2.h>

#include <vector>

#include "GlesDrawState.h"

class GlesProgram {
public:
    GlesProgram();
    // Builds the programs on first use, when a context is current.
    void Draw(const GlesDrawState& state, const GlesVertex* vertices, int count);
    // Binds an ES texture to unit 0 (for uploads too), remembering it.
    void BindImage(GLuint image);
    void ForgetImage(GLuint image);  // deleted: ES binds no texture in its place
    long DrawsIssued() const { return _draws; }

private:
    struct Variant {
        GLuint program;
        GLint size, border, wrap, isNearest, offset, textureSize;
    };
    static constexpr int VARIANTS = 5;  // one for each GlesTexturing

    void _Build();
    void _Use(int variant);
    void _SetFilter(GLuint image, GLenum filter);
    void _Apply(const GlesDrawState& state);

    Variant _variants[VARIANTS];
    int _usedVariant;
    GLuint _vertexShader;
    GLuint _buffer;
    GLuint _boundImage;
    std::vector<GLenum> _imageFilters;  // by ES texture: the filter last set, 0 if unknown
    bool _isBlendOn;
    GLenum _blendSource, _blendDestination;
    long _draws;
};
