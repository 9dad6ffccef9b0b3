// Fonts and bitmap glyphs as GDI and wglUseFontBitmapsA make them: fontconfig finds the
// face (or its nearest free sans), FreeType renders each byte's glyph in one bit per pixel,
// and each becomes a display list of one glBitmap that moves the raster position by the
// advance.
#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <string>
#include <vector>

#include "../OpenGL.h"
#include "../Platform.h"

namespace {

constexpr int FONT_UNITS_PER_PIXEL = 64;  // FreeType's 26.6 fixed point

// Windows-1252's bytes 0x80 to 0x9F; 0 marks the five bytes it leaves unassigned.
constexpr std::uint16_t WINDOWS_1252_HIGH[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

std::uint32_t CodePointOfByte(std::uint32_t byte) {
    if (byte >= 0x80 && byte < 0xA0) return WINDOWS_1252_HIGH[byte - 0x80];
    return byte;
}

std::string FindFontFile(const char* faceName) {
    std::string path;
    FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>(faceName));
    if (pattern == nullptr) return path;
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    FcChar8* file = nullptr;
    if (match != nullptr && FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch) {
        path = reinterpret_cast<const char*>(file);
    }
    if (match != nullptr) FcPatternDestroy(match);
    FcPatternDestroy(pattern);
    return path;
}

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
    const FT_UInt glyphIndex = FT_Get_Char_Index(face, CodePointOfByte(byte));
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

// The cell height is the font's ascent plus descent, as a positive GDI height asks.
bool SetCellHeight(FT_Face face, int cellHeight) {
    FT_Size_RequestRec request = {};
    request.type = FT_SIZE_REQUEST_TYPE_REAL_DIM;
    request.height = cellHeight * FONT_UNITS_PER_PIXEL;
    return FT_Request_Size(face, &request) == 0;
}

// A font as CreateFontIndirectA makes it: the face at the asked cell height, or none where
// no face can be found or sized.
struct BitmapFont {
    FT_Library library = nullptr;
    FT_Face face = nullptr;
};

// The font selected into the window's one device context.
BitmapFont*& SelectedFont() {
    static BitmapFont* font = nullptr;
    return font;
}

}  // namespace

FontHandle Platform::CreateFontIndirectA(const FontDescription& font) {
    auto* created = new BitmapFont;
    const std::string fontFile = FindFontFile(font.faceName);
    if (fontFile.empty() || FT_Init_FreeType(&created->library) != 0) return created;
    if (FT_New_Face(created->library, fontFile.c_str(), 0, &created->face) == 0 &&
        !SetCellHeight(created->face, font.height)) {
        FT_Done_Face(created->face);
        created->face = nullptr;
    }
    return created;
}

FontHandle Platform::SelectObject(DeviceContextHandle /*dc*/, FontHandle font) {
    BitmapFont* previous = SelectedFont();
    SelectedFont() = static_cast<BitmapFont*>(font);
    return previous;
}

void Platform::DeleteObject(FontHandle font) {
    auto* deleted = static_cast<BitmapFont*>(font);
    if (deleted == nullptr) return;
    if (deleted->face != nullptr) FT_Done_Face(deleted->face);
    if (deleted->library != nullptr) FT_Done_FreeType(deleted->library);
    delete deleted;
}

void Platform::UseFontBitmaps(DeviceContextHandle /*dc*/, std::uint32_t first, std::uint32_t count,
                              std::uint32_t listBase) {
    const BitmapFont* font = SelectedFont();
    if (font == nullptr || font->face == nullptr) return;
    glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glPixelStorei(GL_UNPACK_LSB_FIRST, GL_FALSE);
    for (std::uint32_t byte = first; byte < first + count; ++byte) CompileGlyph(font->face, byte, listBase + byte - first);
    glPopClientAttrib();
}
