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
}
