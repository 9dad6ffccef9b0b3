#pragma once
// Display lists that hold bitmaps, and the raster position they draw at: what a bitmap
// font needs. Each bitmap becomes a one-byte-per-pixel texture when it is compiled, so
// that calling a list costs one quad. Both leave another texture bound: the caller binds
// its own again.
#include <GLES2/gl2.h>

#include <vector>

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
    bool IsCompiling() const { return _compiling != 0; }
    void EndList();
    void SetListBase(GLuint base) { _listBase = base; }
    // Glyphs are drawn with the blending of `state`.
    void CallLists(int count, const GLubyte* lists, GlesProgram& program, const GLint viewport[4],
                   const GlesDrawState& state);
    // The raster position from a point in clip coordinates; invalid outside the clip volume.
    void SetRasterPosition(const float clip[4], const GLint viewport[4], const float color[4]);
    // Inside NewList/EndList the bitmap is kept; otherwise it is drawn at once.
    void Bitmap(int width, int height, float xOrigin, float yOrigin, float xMove, float yMove, const GLubyte* bits,
                const GlesPixelStore& store, GlesProgram& program, const GLint viewport[4], const GlesDrawState& state);

private:
    struct Glyph {
        GLuint texture;
        int width;
        int height;
        float xOrigin;
        float yOrigin;
        float xMove;
        float yMove;
    };

    Glyph _Compile(int width, int height, float xOrigin, float yOrigin, float xMove, float yMove,
                   const GLubyte* bits, const GlesPixelStore& store, GlesProgram& program);
    void _Draw(const Glyph& glyph, GlesProgram& program, const GLint viewport[4], GlesDrawState state);

    std::vector<std::vector<Glyph>> _lists;  // list n at n - 1
    GLuint _compiling;
    GLuint _listBase;
    bool _isRasterValid;
    float _rasterX;
    float _rasterY;
    float _rasterColor[4];
};
