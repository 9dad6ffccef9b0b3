#include <cstring>

#include "../Platform.h"
#include "Win32Api.h"

namespace {

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

// The font is selected into the window's device context only while the glyphs are made.
void Platform::UseFontBitmaps(DeviceContextHandle dc, const FontDescription& font, std::uint32_t first,
                              std::uint32_t count, std::uint32_t listBase) {
    HDC nativeDc = static_cast<HDC>(dc);
    const LOGFONTA description = NativeFont(font);
    HFONT created = ::CreateFontIndirectA(&description);
    HGDIOBJ previousFont = ::SelectObject(nativeDc, created);
    ::wglUseFontBitmapsA(nativeDc, first, count, listBase);
    ::SelectObject(nativeDc, previousFont);
    ::DeleteObject(created);
}
