#pragma once
// How the pixels of one upload become the RGBA texels that ES keeps, alpha opaque where the
// data or the internal format has none: rows are converted, or compared with texels made
// before, in loops fixed at compile time for each of the layouts the subset takes.
#include <GLES2/gl2.h>

class GlesPixelLayout {
public:
    GlesPixelLayout(int bytesPerPixel, bool isBgr, bool keepsAlpha);
    void ConvertRow(const GLubyte* pixels, GLubyte* texels, int width) const { _convertRow(pixels, texels, width); }
    // Whether `width` pixels would convert to the texels given, read up to the first that differs.
    bool IsRowOf(const GLubyte* pixels, const GLubyte* texels, int width) const {
        return _isRowOf(pixels, texels, width);
    }

private:
    void (*_convertRow)(const GLubyte*, GLubyte*, int);
    bool (*_isRowOf)(const GLubyte*, const GLubyte*, int);
};
