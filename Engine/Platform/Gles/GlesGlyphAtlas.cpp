#include "GlesGlyphAtlas.h"

#include <initializer_list>
#include <vector>

namespace {

constexpr int GAP = 1;  // between bitmaps, so that no glyph's quad reaches into another

}  // namespace

GlesGlyphAtlas::GlesGlyphAtlas() : _image(0), _generation(1), _shelfX(0), _shelfY(0), _shelfHeight(0) {}

bool GlesGlyphAtlas::Place(const GLubyte* pixels, int width, int height, int* x, int* y, GlesProgram& program) {
    if (_shelfX + width > SIZE) {
        _shelfX = 0;
        _shelfY += _shelfHeight + GAP;
        _shelfHeight = 0;
    }
    if (width > SIZE || _shelfY + height > SIZE) return false;
    if (_image == 0) {
        ::glGenTextures(1, &_image);
        program.BindImage(_image);
        for (GLenum wrap : {GL_TEXTURE_WRAP_S, GL_TEXTURE_WRAP_T}) {
            ::glTexParameteri(GL_TEXTURE_2D, wrap, GL_CLAMP_TO_EDGE);
        }
        for (GLenum filter : {GL_TEXTURE_MIN_FILTER, GL_TEXTURE_MAG_FILTER}) {
            ::glTexParameteri(GL_TEXTURE_2D, filter, GL_NEAREST);
        }
        const std::vector<GLubyte> empty(static_cast<std::size_t>(SIZE) * SIZE);
        ::glTexImage2D(GL_TEXTURE_2D, 0, GL_LUMINANCE, SIZE, SIZE, 0, GL_LUMINANCE, GL_UNSIGNED_BYTE, empty.data());
    }
    *x = _shelfX;
    *y = _shelfY;
    program.BindImage(_image);
    GLint alignment = 4;
    ::glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
    ::glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    ::glTexSubImage2D(GL_TEXTURE_2D, 0, *x, *y, width, height, GL_LUMINANCE, GL_UNSIGNED_BYTE, pixels);
    ::glPixelStorei(GL_UNPACK_ALIGNMENT, alignment);
    _shelfX += width + GAP;
    if (height > _shelfHeight) _shelfHeight = height;
    return true;
}

void GlesGlyphAtlas::Clear() {
    ++_generation;
    _shelfX = 0;
    _shelfY = 0;
    _shelfHeight = 0;
}

// Texels taken whole: glyph quads lie on whole pixels, one texel each.
GlesSampling GlesGlyphAtlas::Sampling() const {
    return GlesSampling{_image, static_cast<float>(SIZE), static_cast<float>(SIZE), 0.0f, GL_CLAMP_TO_EDGE,
                        GL_CLAMP_TO_EDGE, true};
}
