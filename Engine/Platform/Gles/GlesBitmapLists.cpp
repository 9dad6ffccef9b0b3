#include "GlesBitmapLists.h"

#include <cmath>

GlesBitmapLists::GlesBitmapLists()
    : _compiling(0), _listBase(0), _isRasterValid(false), _rasterX(0), _rasterY(0), _rasterColor{1, 1, 1, 1} {}

GLuint GlesBitmapLists::GenLists(int range) {
    if (range <= 0) return 0;
    const GLuint first = static_cast<GLuint>(_lists.size()) + 1;
    _lists.resize(_lists.size() + static_cast<std::size_t>(range));
    return first;
}

void GlesBitmapLists::NewList(GLuint list) {
    if (list == 0) return;
    if (list > _lists.size()) _lists.resize(list);
    _lists[list - 1].clear();
    _compiling = list;
}

void GlesBitmapLists::EndList() { _compiling = 0; }

void GlesBitmapLists::CallLists(int count, const GLubyte* lists, GlesProgram& program, const GLint viewport[4],
                                const GlesDrawState& state) {
    for (int i = 0; i < count; ++i) {
        const GLuint list = _listBase + lists[i];
        if (list == 0 || list > _lists.size()) continue;
        for (const Glyph& glyph : _lists[list - 1]) _Draw(glyph, program, viewport, state);
    }
}

void GlesBitmapLists::SetRasterPosition(const float clip[4], const GLint viewport[4], const float color[4]) {
    const float w = clip[3];
    _isRasterValid = w > 0.0f && std::fabs(clip[0]) <= w && std::fabs(clip[1]) <= w && std::fabs(clip[2]) <= w;
    if (!_isRasterValid) return;
    const float halfWidth = 0.5f * static_cast<float>(viewport[2]);
    const float halfHeight = 0.5f * static_cast<float>(viewport[3]);
    _rasterX = clip[0] / w * halfWidth + (static_cast<float>(viewport[0]) + halfWidth);
    _rasterY = clip[1] / w * halfHeight + (static_cast<float>(viewport[1]) + halfHeight);
    for (int i = 0; i < 4; ++i) _rasterColor[i] = color[i];
}

void GlesBitmapLists::Bitmap(int width, int height, float xOrigin, float yOrigin, float xMove, float yMove,
                             const GLubyte* bits, const GlesPixelStore& store, GlesProgram& program,
                             const GLint viewport[4], const GlesDrawState& state) {
    const Glyph glyph = _Compile(width, height, xOrigin, yOrigin, xMove, yMove, bits, store, program);
    if (_compiling != 0) {
        _lists[_compiling - 1].push_back(glyph);
        return;
    }
    _Draw(glyph, program, viewport, state);
    if (glyph.texture != 0) ::glDeleteTextures(1, &glyph.texture);
}

// Bits to bytes (0 or 255), rows as the unpack alignment pads them, first bit in the high
// place unless LSB-first is set.
GlesBitmapLists::Glyph GlesBitmapLists::_Compile(int width, int height, float xOrigin, float yOrigin, float xMove,
                                                 float yMove, const GLubyte* bits, const GlesPixelStore& store,
                                                 GlesProgram& program) {
    Glyph glyph = {0, width, height, xOrigin, yOrigin, xMove, yMove};
    if (width <= 0 || height <= 0 || bits == nullptr) return glyph;
    const int alignment = store.unpackAlignment;
    const int rowBytes = ((width + 7) / 8 + alignment - 1) / alignment * alignment;
    std::vector<GLubyte> pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    for (int row = 0; row < height; ++row) {
        for (int column = 0; column < width; ++column) {
            const GLubyte byte = bits[row * rowBytes + column / 8];
            const int bit = store.unpackLsbFirst ? (column % 8) : (7 - column % 8);
            pixels[static_cast<std::size_t>(row * width + column)] = ((byte >> bit) & 1) ? 255 : 0;
        }
    }
    ::glGenTextures(1, &glyph.texture);
    program.BindImage(glyph.texture);
    for (GLenum wrap : {GL_TEXTURE_WRAP_S, GL_TEXTURE_WRAP_T}) ::glTexParameteri(GL_TEXTURE_2D, wrap, GL_CLAMP_TO_EDGE);
    for (GLenum filter : {GL_TEXTURE_MIN_FILTER, GL_TEXTURE_MAG_FILTER}) {
        ::glTexParameteri(GL_TEXTURE_2D, filter, GL_NEAREST);
    }
    ::glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    ::glTexImage2D(GL_TEXTURE_2D, 0, GL_LUMINANCE, width, height, 0, GL_LUMINANCE, GL_UNSIGNED_BYTE, pixels.data());
    ::glPixelStorei(GL_UNPACK_ALIGNMENT, alignment);
    return glyph;
}

// The bitmap's lower left corner lies at the floor of the raster position less the origin,
// so its bits fall on whole pixels; then the raster position moves on. A raster position a
// rounding error short of a whole pixel counts as that pixel, as in Mesa's desktop OpenGL.
void GlesBitmapLists::_Draw(const Glyph& glyph, GlesProgram& program, const GLint viewport[4], GlesDrawState state) {
    if (!_isRasterValid) return;
    if (glyph.texture != 0) {
        constexpr float EPSILON = 0.0001f;
        const float left = std::floor(_rasterX + EPSILON - glyph.xOrigin) - static_cast<float>(viewport[0]);
        const float bottom = std::floor(_rasterY + EPSILON - glyph.yOrigin) - static_cast<float>(viewport[1]);
        // Window pixels to clip coordinates.
        const float sx = 2.0f / static_cast<float>(viewport[2]);
        const float sy = 2.0f / static_cast<float>(viewport[3]);
        const float x0 = left * sx - 1.0f, x1 = (left + static_cast<float>(glyph.width)) * sx - 1.0f;
        const float y0 = bottom * sy - 1.0f, y1 = (bottom + static_cast<float>(glyph.height)) * sy - 1.0f;
        const float* c = _rasterColor;
        const GlesVertex quad[6] = {{x0, y0, 0, 1, 0, 0, c[0], c[1], c[2], c[3]},
                                    {x1, y0, 0, 1, 1, 0, c[0], c[1], c[2], c[3]},
                                    {x1, y1, 0, 1, 1, 1, c[0], c[1], c[2], c[3]},
                                    {x0, y0, 0, 1, 0, 0, c[0], c[1], c[2], c[3]},
                                    {x1, y1, 0, 1, 1, 1, c[0], c[1], c[2], c[3]},
                                    {x0, y1, 0, 1, 0, 1, c[0], c[1], c[2], c[3]}};
        state.mode = GL_TRIANGLES;
        state.texturing = GlesTexturing::BITMAP_MASK;
        state.sampling = GlesSampling{glyph.texture, static_cast<float>(glyph.width), static_cast<float>(glyph.height),
                                      0.0f, GL_CLAMP_TO_EDGE, GL_CLAMP_TO_EDGE, true};
        program.Draw(state, quad, 6);
    }
    _rasterX += glyph.xMove;
    _rasterY += glyph.yMove;
}
