#pragma once
// Display lists that hold bitmaps, and the raster position they draw at: what a bitmap
// font needs. A bitmap is kept as one byte a pixel when it is compiled and goes into the
// glyph atlas when it is first drawn; drawing it appends one quad to the batch.
#include <GLES2/gl2.h>

#include <vector>

#include "GlesBatch.h"
#include "GlesGlyphAtlas.h"
#include "GlesProgram.h"

struct GlesPixelStore {
    int unpackAlignment;
    bool unpackLsbFirst;
    int packAlignment;
};

class GlesBitmapLists {
public:
    GlesBitmapLists();
    GLuint GenLists(int range);
    void NewList(GLuint list);
    void EndList();
    bool IsCompiling() const { return _compiling != 0; }
    void SetListBase(GLuint base) { _listBase = base; }
    // Glyphs are drawn with the blending of `state`.
    void CallLists(int count, const GLubyte* lists, GlesBatch& batch, GlesProgram& program, const GLint viewport[4],
                   const GlesDrawState& state);
    // The raster position from a point in clip coordinates; invalid outside the clip volume.
    void SetRasterPosition(const float clip[4], const GLint viewport[4], const float color[4]);
    // Inside NewList/EndList the bitmap is kept; otherwise it is drawn at once.
    void Bitmap(int width, int height, float xOrigin, float yOrigin, float xMove, float yMove, const GLubyte* bits,
                const GlesPixelStore& store, GlesBatch& batch, GlesProgram& program, const GLint viewport[4],
                const GlesDrawState& state);

private:
    struct Glyph {
        int width;
        int height;
        float xOrigin;
        float yOrigin;
        float xMove;
        float yMove;
        std::vector<GLubyte> pixels;  // rows bottom up, 0 or 255
        int atlasX, atlasY;
        int atlasGeneration;  // 0: not placed
    };

    static Glyph _Compile(int width, int height, float xOrigin, float yOrigin, float xMove, float yMove,
                          const GLubyte* bits, const GlesPixelStore& store);
    bool _Place(Glyph& glyph, GlesBatch& batch, GlesProgram& program);
    void _Draw(Glyph& glyph, GlesBatch& batch, GlesProgram& program, const GLint viewport[4],
               const GlesDrawState& state);
    void _AddQuad(const Glyph& glyph, GlesBatch& batch, GlesProgram& program, const GLint viewport[4],
                  GlesDrawState state) const;

    std::vector<std::vector<Glyph>> _lists;  // list n at n - 1
    GLuint _compiling;
    GLuint _listBase;
    bool _isRasterValid;
    float _rasterX;
    float _rasterY;
    float _rasterColor[4];
    GlesGlyphAtlas _atlas;
};
