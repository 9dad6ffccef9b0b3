#include "FloorGlyphs.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include <GL/gl.h>

#include <vector>

namespace {

const char GLYPHS[] = "0123456789 fps";

}  // namespace

bool FloorGlyphs::Load(const std::string& fontFile, int pixels) {
    FT_Library library;
    FT_Face face;
    if (FT_Init_FreeType(&library) != 0) return false;
    if (FT_New_Face(library, fontFile.c_str(), 0, &face) != 0 || FT_Set_Pixel_Sizes(face, 0, pixels) != 0) {
        FT_Done_FreeType(library);
        return false;
    }
    std::vector<unsigned char> atlas(ATLAS_SIDE * ATLAS_SIDE, 0);
    int penX = 0;
    for (const char* c = GLYPHS; *c != '\0'; ++c) {
        if (FT_Load_Char(face, static_cast<unsigned char>(*c), FT_LOAD_RENDER) != 0) continue;
        const FT_Bitmap& bitmap = face->glyph->bitmap;
        for (unsigned row = 0; row < bitmap.rows; ++row) {
            for (unsigned column = 0; column < bitmap.width; ++column) {
                atlas[row * ATLAS_SIDE + penX + column] = bitmap.buffer[row * bitmap.pitch + column];
            }
        }
        Glyph& glyph = _glyphs[static_cast<unsigned char>(*c)];
        glyph = {static_cast<float>(penX) / ATLAS_SIDE, 0.0f, static_cast<float>(penX + bitmap.width) / ATLAS_SIDE,
                 static_cast<float>(bitmap.rows) / ATLAS_SIDE, face->glyph->bitmap_left, face->glyph->bitmap_top,
                 static_cast<int>(bitmap.width), static_cast<int>(bitmap.rows),
                 static_cast<int>(face->glyph->advance.x >> 6)};
        penX += static_cast<int>(bitmap.width) + 1;
    }
    FT_Done_Face(face);
    FT_Done_FreeType(library);
    glGenTextures(1, &_texture);
    glBindTexture(GL_TEXTURE_2D, _texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_ALPHA, ATLAS_SIDE, ATLAS_SIDE, 0, GL_ALPHA, GL_UNSIGNED_BYTE, atlas.data());
    return true;
}

int FloorGlyphs::AppendQuads(const char* text, float x, float baseline, float* vertices, float* texCoords) const {
    int count = 0;
    for (const char* c = text; *c != '\0'; ++c) {
        const Glyph& glyph = _glyphs[static_cast<unsigned char>(*c) & 0x7F];
        const float left = x + glyph.left;
        const float top = baseline - glyph.top;
        const float corners[4][4] = {{left, top, glyph.u0, glyph.v0},
                                     {left + glyph.width, top, glyph.u1, glyph.v0},
                                     {left + glyph.width, top + glyph.height, glyph.u1, glyph.v1},
                                     {left, top + glyph.height, glyph.u0, glyph.v1}};
        for (const auto& corner : corners) {
            vertices[2 * count] = corner[0];
            vertices[2 * count + 1] = corner[1];
            texCoords[2 * count] = corner[2];
            texCoords[2 * count + 1] = corner[3];
            ++count;
        }
        x += glyph.advance;
    }
    return count;
}
