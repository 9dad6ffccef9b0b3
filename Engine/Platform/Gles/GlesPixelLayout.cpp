#include "GlesPixelLayout.h"

#include <cstring>

namespace {

template <int BYTES, bool IS_BGR, bool KEEPS_ALPHA>
void ConvertTexel(const GLubyte* pixel, GLubyte* texel) {
    texel[0] = pixel[IS_BGR ? 2 : 0];
    texel[1] = pixel[1];
    texel[2] = pixel[IS_BGR ? 0 : 2];
    texel[3] = KEEPS_ALPHA ? pixel[3] : 255;
}

template <int BYTES, bool IS_BGR, bool KEEPS_ALPHA>
void ConvertRow(const GLubyte* pixels, GLubyte* texels, int width) {
    for (int column = 0; column < width; ++column, pixels += BYTES, texels += 4) {
        ConvertTexel<BYTES, IS_BGR, KEEPS_ALPHA>(pixels, texels);
    }
}

template <int BYTES, bool IS_BGR, bool KEEPS_ALPHA>
bool IsRowOf(const GLubyte* pixels, const GLubyte* texels, int width) {
    for (int column = 0; column < width; ++column, pixels += BYTES, texels += 4) {
        GLubyte texel[4];
        ConvertTexel<BYTES, IS_BGR, KEEPS_ALPHA>(pixels, texel);
        if (std::memcmp(texel, texels, sizeof(texel)) != 0) return false;
    }
    return true;
}

struct Rows {
    void (*convert)(const GLubyte*, GLubyte*, int);
    bool (*isRowOf)(const GLubyte*, const GLubyte*, int);
};

template <int BYTES, bool IS_BGR, bool KEEPS_ALPHA>
constexpr Rows ROWS = {ConvertRow<BYTES, IS_BGR, KEEPS_ALPHA>, IsRowOf<BYTES, IS_BGR, KEEPS_ALPHA>};

Rows RowsFor(int bytesPerPixel, bool isBgr, bool keepsAlpha) {
    if (bytesPerPixel == 3) return isBgr ? ROWS<3, true, false> : ROWS<3, false, false>;
    if (!keepsAlpha) return isBgr ? ROWS<4, true, false> : ROWS<4, false, false>;
    return isBgr ? ROWS<4, true, true> : ROWS<4, false, true>;
}

}  // namespace

GlesPixelLayout::GlesPixelLayout(int bytesPerPixel, bool isBgr, bool keepsAlpha) {
    const Rows rows = RowsFor(bytesPerPixel, isBgr, keepsAlpha);
    _convertRow = rows.convert;
    _isRowOf = rows.isRowOf;
}
