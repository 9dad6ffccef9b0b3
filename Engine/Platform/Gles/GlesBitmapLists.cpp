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

void GlesBitmapLists::CallLists(int count, const GLubyte* lists, GlesBatch& batch, GlesProgram& program,
                                const GLint viewport[4], const GlesDrawState& state) {
    for (int i = 0; i < count; ++i) {
        const GLuint list = _listBase + lists[i];
        if (list == 0 || list > _lists.size()) continue;
        for (Glyph& glyph : _lists[list - 1]) _Draw(glyph, batch, program, viewport, state);
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
                             const GLubyte* bits, const GlesPixelStore& store, GlesBatch& batch, GlesProgram& program,
                             const GLint viewport[4], const GlesDrawState& state) {
    Glyph glyph = _Compile(width, height, xOrigin, yOrigin, xMove, yMove, bits, store);
    if (_compiling != 0) {
        _lists[_compiling - 1].push_back(glyph);
        return;
    }
    _Draw(glyph, batch, program, viewport, state);
}

// Bits to bytes (0 or 255), rows as the unpack alignment pads them, first bit in the high
// place unless LSB-first is set.
GlesBitmapLists::Glyph GlesBitmapLists::_Compile(int width, int height, float xOrigin, float yOrigin, float xMove,
                                                 float yMove, const GLubyte* bits, const GlesPixelStore& store) {
    Glyph glyph = {width, height, xOrigin, yOrigin, xMove, yMove, {}, 0, 0, 0};
    if (width <= 0 || height <= 0 || bits == nullptr) return glyph;
    const int alignment = store.unpackAlignment;
    const int rowBytes = ((width + 7) / 8 + alignment - 1) / alignment * alignment;
    glyph.pixels.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    for (int row = 0; row < height; ++row) {
        for (int column = 0; column < width; ++column) {
            const GLubyte byte = bits[row * rowBytes + column / 8];
            const int bit = store.unpackLsbFirst ? (column % 8) : (7 - column % 8);
            glyph.pixels[static_cast<std::size_t>(row * width + column)] = ((byte >> bit) & 1) ? 255 : 0;
        }
    }
    return glyph;
}

// A full atlas starts again, once what the batch holds of it is drawn; a bitmap larger
// than the whole atlas is not drawn.
bool GlesBitmapLists::_Place(Glyph& glyph, GlesBatch& batch, GlesProgram& program) {
    int x = 0;
    int y = 0;
    if (!_atlas.Place(glyph.pixels.data(), glyph.width, glyph.height, &x, &y, program)) {
        batch.Flush(program);
        _atlas.Clear();
        if (!_atlas.Place(glyph.pixels.data(), glyph.width, glyph.height, &x, &y, program)) return false;
    }
    glyph.atlasX = x;
    glyph.atlasY = y;
    glyph.atlasGeneration = _atlas.Generation();
    return true;
}

void GlesBitmapLists::_Draw(Glyph& glyph, GlesBatch& batch, GlesProgram& program, const GLint viewport[4],
                            const GlesDrawState& state) {
    if (!_isRasterValid) return;
    const bool isDrawn = !glyph.pixels.empty();
    if (isDrawn && (glyph.atlasGeneration == _atlas.Generation() || _Place(glyph, batch, program))) {
        _AddQuad(glyph, batch, program, viewport, state);
    }
    _rasterX += glyph.xMove;
    _rasterY += glyph.yMove;
}

// The bitmap's lower left corner lies at the floor of the raster position less the origin,
// so its bits fall on whole pixels. A raster position a rounding error short of a whole pixel
// counts as that pixel, as in Mesa's desktop OpenGL.
void GlesBitmapLists::_AddQuad(const Glyph& glyph, GlesBatch& batch, GlesProgram& program, const GLint viewport[4],
                               GlesDrawState state) const {
    constexpr float EPSILON = 0.0001f;
    const float left = std::floor(_rasterX + EPSILON - glyph.xOrigin) - static_cast<float>(viewport[0]);
    const float bottom = std::floor(_rasterY + EPSILON - glyph.yOrigin) - static_cast<float>(viewport[1]);
    // Window pixels to clip coordinates, atlas texels to texture coordinates.
    const float sx = 2.0f / static_cast<float>(viewport[2]);
    const float sy = 2.0f / static_cast<float>(viewport[3]);
    const float x0 = left * sx - 1.0f, x1 = (left + static_cast<float>(glyph.width)) * sx - 1.0f;
    const float y0 = bottom * sy - 1.0f, y1 = (bottom + static_cast<float>(glyph.height)) * sy - 1.0f;
    constexpr float TEXEL = 1.0f / GlesGlyphAtlas::SIZE;
    const float s0 = static_cast<float>(glyph.atlasX) * TEXEL, s1 = s0 + static_cast<float>(glyph.width) * TEXEL;
    const float t0 = static_cast<float>(glyph.atlasY) * TEXEL, t1 = t0 + static_cast<float>(glyph.height) * TEXEL;
    const float* c = _rasterColor;
    state.mode = GL_TRIANGLES;
    state.texturing = GlesTexturing::BITMAP_MASK;
    state.sampling = _atlas.Sampling();
    batch.Start(state, program);
    for (const GlesVertex& corner : {GlesVertex{x0, y0, 0, 1, s0, t0, c[0], c[1], c[2], c[3]},
                                     GlesVertex{x1, y0, 0, 1, s1, t0, c[0], c[1], c[2], c[3]},
                                     GlesVertex{x1, y1, 0, 1, s1, t1, c[0], c[1], c[2], c[3]},
                                     GlesVertex{x0, y0, 0, 1, s0, t0, c[0], c[1], c[2], c[3]},
                                     GlesVertex{x1, y1, 0, 1, s1, t1, c[0], c[1], c[2], c[3]},
                                     GlesVertex{x0, y1, 0, 1, s0, t1, c[0], c[1], c[2], c[3]}}) {
        batch.Add(corner);
    }
}
