#pragma once
#include <ft2build.h>
#include FT_FREETYPE_H

#include <cstdint>

// A font face as GDI finds one for a face name: fontconfig picks the face (or its nearest
// free sans) and FreeType sizes it to the cell height, ascent plus descent, as a positive
// GDI height asks. No face where none can be found or sized.
class SdlFontFace {
public:
    SdlFontFace(const char* faceName, int cellHeight);
    ~SdlFontFace();
    SdlFontFace(const SdlFontFace&) = delete;
    SdlFontFace& operator=(const SdlFontFace&) = delete;

    FT_Face GetFace() const { return _face; }

    // One byte of text in the Windows ANSI code page as a Unicode code point; 0 for none.
    static std::uint32_t CodePointOfByte(std::uint32_t byte);

private:
    FT_Library _library;
    FT_Face _face;
};
