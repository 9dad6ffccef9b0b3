// Fonts and bitmap glyphs as GDI and wglUseFontBitmapsA make them: the browser draws each
// byte's character (Windows-1252) in the face asked for, or its own sans-serif, sized so
// that ascent plus descent is the cell height, as a positive GDI height asks; its pixels
// at half coverage or more become the bits of one glBitmap per display list, which moves
// the raster position by the advance. Drawing them one by one takes the browser a while, so
// the start gives it its turns between them.
#include <emscripten.h>

#include <string>
#include <vector>

#include "../OpenGL.h"
#include "../Platform.h"
#include "WebState.h"

namespace {

struct WebFontFace {
    std::string faceName;
    int cellHeight;
};

// A glyph: width, height, left bearing, rows above the baseline, advance; bits bottom-up,
// whole bytes per row, high bit first.
struct GlyphMetrics {
    int width;
    int height;
    int left;
    int top;
    int advance;
};

constexpr int MOST_GLYPH_BYTES = 64 * 64;

EM_JS(int, RenderGlyph, (const char* face, int cellHeight, int byte, GlyphMetrics* metrics, GLubyte* bits,
                         int capacity),
      {
          const glyph = Module.renderGlyph(UTF8ToString(face), cellHeight, byte);
          if (glyph.bits.length > capacity) return 0;
          HEAP32.set([ glyph.width, glyph.height, glyph.left, glyph.top, glyph.advance ], metrics >> 2);
          HEAPU8.set(glyph.bits, bits);
          return 1;
      });

WebFontFace*& SelectedFont() {
    static WebFontFace* font = nullptr;
    return font;
}

void CompileGlyph(const WebFontFace& font, std::uint32_t byte, GLuint list, std::vector<GLubyte>& bits) {
    glNewList(list, GL_COMPILE);
    GlyphMetrics metrics = {};
    if (RenderGlyph(font.faceName.c_str(), font.cellHeight, static_cast<int>(byte), &metrics, bits.data(),
                    static_cast<int>(bits.size())) != 0) {
        glBitmap(metrics.width, metrics.height, static_cast<GLfloat>(-metrics.left),
                 static_cast<GLfloat>(metrics.height - metrics.top), static_cast<GLfloat>(metrics.advance), 0.0f,
                 bits.data());
    }
    glEndList();
}

}  // namespace

FontHandle Platform::CreateFontIndirectA(const FontDescription& font) {
    return new WebFontFace{font.faceName != nullptr ? font.faceName : "", font.height};
}

FontHandle Platform::SelectObject(DeviceContextHandle /*dc*/, FontHandle font) {
    WebFontFace* previous = SelectedFont();
    SelectedFont() = static_cast<WebFontFace*>(font);
    return previous;
}

void Platform::DeleteObject(FontHandle font) { delete static_cast<WebFontFace*>(font); }

void Platform::UseFontBitmaps(DeviceContextHandle /*dc*/, std::uint32_t first, std::uint32_t count,
                              std::uint32_t listBase) {
    const WebFontFace* font = SelectedFont();
    if (font == nullptr) return;
    std::vector<GLubyte> bits(MOST_GLYPH_BYTES);
    glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glPixelStorei(GL_UNPACK_LSB_FIRST, GL_FALSE);
    for (std::uint32_t byte = first; byte < first + count; ++byte) {
        KeepStartResponsive();
        CompileGlyph(*font, byte, listBase + byte - first, bits);
    }
    glPopClientAttrib();
}
