#pragma once
// One ES texture holding the bitmaps of the glyphs drawn so far, each placed the first time
// it is drawn, so that a line of text draws in one batch. When no room is left the atlas
// starts again empty, with a new generation: glyphs placed in an older one are placed anew
// when next drawn.
#include <GLES2/gl2.h>

#include "GlesProgram.h"
#include "GlesShelves.h"

class GlesGlyphAtlas {
public:
    static constexpr int SIZE = 512;  // the 255 glyphs of a 16-pixel font fill a fifth of it

    GlesGlyphAtlas();
    // Puts the bitmap (one byte a pixel, rows bottom up) into the atlas and says where;
    // false when it does not fit in what is left.
    bool Place(const GLubyte* pixels, int width, int height, int* x, int* y, GlesProgram& program);
    void Clear();
    int Generation() const { return _generation; }
    GlesSampling Sampling() const;

private:
    GLuint _image;
    int _generation;
    GlesShelves _shelves;
};
