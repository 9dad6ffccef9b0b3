#include <cstring>

#include "../OpenGL.h"
#include "../Platform.h"
#include "Win32Api.h"

namespace {

// Each call clears one flag; OpenGL 1.1 has six kinds of error. The bound keeps a context
// that answers an error on every call from holding the loop.
void ClearErrorFlags() {
    constexpr int ERROR_KINDS = 6;
    for (int flag = 0; flag < ERROR_KINDS && glGetError() != GL_NO_ERROR; ++flag) continue;
}

LOGFONTA NativeFont(const FontDescription& font) {
    LOGFONTA native = {};
    native.lfHeight = font.height;
    native.lfWidth = font.width;
    native.lfEscapement = font.escapement;
    native.lfOrientation = font.orientation;
    native.lfWeight = font.weight;
    native.lfItalic = font.italic;
    native.lfUnderline = font.underline;
    native.lfStrikeOut = font.strikeOut;
    native.lfCharSet = font.charSet;
    native.lfOutPrecision = font.outPrecision;
    native.lfClipPrecision = font.clipPrecision;
    native.lfQuality = font.quality;
    native.lfPitchAndFamily = font.pitchAndFamily;
    std::strncpy(native.lfFaceName, font.faceName, LF_FACESIZE - 1);
    return native;
}

}  // namespace

FontHandle Platform::CreateFontIndirectA(const FontDescription& font) {
    const LOGFONTA description = NativeFont(font);
    return ::CreateFontIndirectA(&description);
}

FontHandle Platform::SelectObject(DeviceContextHandle dc, FontHandle font) {
    return ::SelectObject(static_cast<HDC>(dc), static_cast<HGDIOBJ>(font));
}

void Platform::DeleteObject(FontHandle font) { ::DeleteObject(static_cast<HGDIOBJ>(font)); }

void Platform::UseFontBitmaps(DeviceContextHandle dc, std::uint32_t first, std::uint32_t count,
                              std::uint32_t listBase) {
    ::wglUseFontBitmapsA(static_cast<HDC>(dc), first, count, listBase);
    // Wine's 32-bit wglUseFontBitmapsA makes every list yet leaves GL_OUT_OF_MEMORY set, which
    // the next texture upload's check would take for its own failure.
    ClearErrorFlags();
}
