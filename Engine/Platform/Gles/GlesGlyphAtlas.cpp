#include "GlesGlyphAtlas.h"

#include <initializer_list>

GlesGlyphAtlas::GlesGlyphAtlas() : _image(0), _generation(1), _shelves(SIZE, SIZE) {}

bool GlesGlyphAtlas::Place(const GLubyte* pixels, int width, int height, int* x, int* y, GlesProgram& program) {
    if (!_shelves.Place(width, height, x, y)) return false;
    if (_image == 0) {
        ::glGenTextures(1, &_image);
        program.BindImage(_image);
        for (GLenum wrap : {GL_TEXTURE_WRAP_S, GL_TEXTURE_WRAP_T}) {
            ::glTexParameteri(GL_TEXTURE_2D, wrap, GL_CLAMP_TO_EDGE);
        }
        for (GLenum filter : {GL_TEXTURE_MIN_FILTER, GL_TEXTURE_MAG_FILTER}) {
            ::glTexParameteri(GL_TEXTURE_2D, filter, GL_NEAREST);
        }
        // Undefined until bitmaps are put in; only theirs are ever sampled.
        ::glTexImage2D(GL_TEXTURE_2D, 0, GL_LUMINANCE, SIZE, SIZE, 0, GL_LUMINANCE, GL_UNSIGNED_BYTE, nullptr);
    }
    program.BindImage(_image);
    GLint alignment = 4;
    ::glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
    ::glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    ::glTexSubImage2D(GL_TEXTURE_2D, 0, *x, *y, width, height, GL_LUMINANCE, GL_UNSIGNED_BYTE, pixels);
    ::glPixelStorei(GL_UNPACK_ALIGNMENT, alignment);
    return true;
}

void GlesGlyphAtlas::Clear() {
    ++_generation;
    _shelves.Clear();
}

// Texels taken whole: glyph quads lie on whole pixels, one texel each.
GlesSampling GlesGlyphAtlas::Sampling() const {
    constexpr float TEXELS = SIZE;
    return GlesSampling{_image, TEXELS, TEXELS, 0.0f, 0.0f, 0.0f, TEXELS, TEXELS, GL_CLAMP_TO_EDGE,
                        GL_CLAMP_TO_EDGE, true,           false,  nullptr};
}
