// Fonts and bitmap glyphs as GDI and wglUseFontBitmapsA make them: FreeType renders each
// byte's glyph in one bit per pixel, and each becomes a display list of one glBitmap that
// moves the raster position by the advance.
#include <vector>

#include "../OpenGL.h"
#include "../Platform.h"
#include "SdlFontFace.h"

namespace {

constexpr int FONT_UNITS_PER_PIXEL = 64;  // FreeType's 26.6 fixed point

// The glyph's rows bottom-up, each row whole bytes, as glBitmap reads them.
std::vector<GLubyte> BottomUpRows(const FT_Bitmap& bitmap) {
    const unsigned rowBytes = (bitmap.width + 7) / 8;
    std::vector<GLubyte> rows(static_cast<std::size_t>(rowBytes) * bitmap.rows);
    for (unsigned row = 0; row < bitmap.rows; ++row) {
        const unsigned char* source = bitmap.buffer + static_cast<std::ptrdiff_t>(row) * bitmap.pitch;
        GLubyte* target = rows.data() + static_cast<std::size_t>(bitmap.rows - 1 - row) * rowBytes;
        for (unsigned byte = 0; byte < rowBytes; ++byte) target[byte] = source[byte];
    }
    return rows;
}

void CompileGlyph(FT_Face face, std::uint32_t byte, GLuint list) {
    glNewList(list, GL_COMPILE);
    const FT_UInt glyphIndex = FT_Get_Char_Index(face, SdlFontFace::CodePointOfByte(byte));
    if (FT_Load_Glyph(face, glyphIndex, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO) == 0) {
        const FT_GlyphSlot glyph = face->glyph;
        const std::vector<GLubyte> rows = BottomUpRows(glyph->bitmap);
        const auto rowCount = static_cast<GLfloat>(glyph->bitmap.rows);
        glBitmap(static_cast<GLsizei>(glyph->bitmap.width), static_cast<GLsizei>(glyph->bitmap.rows),
                 static_cast<GLfloat>(-glyph->bitmap_left), rowCount - static_cast<GLfloat>(glyph->bitmap_top),
                 static_cast<GLfloat>(glyph->advance.x) / FONT_UNITS_PER_PIXEL, 0.0f, rows.data());
    }
    glEndList();
}

// The font selected into the window's one device context.
SdlFontFace*& SelectedFont() {
    static SdlFontFace* font = nullptr;
    return font;
}

}  // namespace

FontHandle Platform::CreateFontIndirectA(const FontDescription& font) {
    return new SdlFontFace(font.faceName, font.height);
}

FontHandle Platform::SelectObject(DeviceContextHandle /*dc*/, FontHandle font) {
    SdlFontFace* previous = SelectedFont();
    SelectedFont() = static_cast<SdlFontFace*>(font);
    return previous;
}

void Platform::DeleteObject(FontHandle font) { delete static_cast<SdlFontFace*>(font); }

void Platform::UseFontBitmaps(DeviceContextHandle /*dc*/, std::uint32_t first, std::uint32_t count,
                              std::uint32_t listBase) {
    const SdlFontFace* font = SelectedFont();
    if (font == nullptr || font->GetFace() == nullptr) return;
    glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glPixelStorei(GL_UNPACK_LSB_FIRST, GL_FALSE);
    for (std::uint32_t byte = first; byte < first + count; ++byte) CompileGlyph(font->GetFace(), byte, listBase + byte - first);
    glPopClientAttrib();
}
