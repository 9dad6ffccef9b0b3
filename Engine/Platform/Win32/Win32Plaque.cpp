// The start-up plaque in plain GDI: each call makes and deletes its own brush and font.
#include <cstring>

#include "../Platform.h"
#include "Win32Api.h"

namespace {

void WriteText(HDC dc, const PlaqueDescription& plaque) {
    const FontDescription& font = plaque.font;
    HGDIOBJ previousFont = ::GetCurrentObject(dc, OBJ_FONT);
    ::SetTextAlign(dc, TA_LEFT | TA_TOP);
    HFONT created = ::CreateFontA(font.height, font.width, font.escapement, font.orientation, font.weight, font.italic,
                                  font.underline, font.strikeOut, font.charSet, font.outPrecision, font.clipPrecision,
                                  font.quality, font.pitchAndFamily, font.faceName);
    ::SelectObject(dc, created);
    ::SetTextColor(dc, plaque.textColor);
    ::TextOutA(dc, plaque.textX, plaque.textY, plaque.text, static_cast<int>(std::strlen(plaque.text)));
    ::SelectObject(dc, previousFont);
    ::DeleteObject(created);
}

}  // namespace

// The brush lives until the text is written.
void Platform::DrawPlaque(DeviceContextHandle dc, const PlaqueDescription& plaque) {
    HDC nativeDc = static_cast<HDC>(dc);
    ::SetBkMode(nativeDc, TRANSPARENT);
    const RECT area = {plaque.area.left, plaque.area.top, plaque.area.right, plaque.area.bottom};
    HBRUSH brush = ::CreateSolidBrush(plaque.backgroundColor);
    ::FillRect(nativeDc, &area, brush);
    WriteText(nativeDc, plaque);
    ::DeleteObject(brush);
}
