#include "SdlFontFace.h"

#include <fontconfig/fontconfig.h>

#include <string>

#include "SdlHeadStart.h"

namespace {

constexpr int FONT_UNITS_PER_PIXEL = 64;  // FreeType's 26.6 fixed point

// Windows-1252's bytes 0x80 to 0x9F; 0 marks the five bytes it leaves unassigned.
constexpr std::uint16_t WINDOWS_1252_HIGH[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

std::string FindFontFile(const char* faceName) {
    AwaitHeadStart();
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

// The cell height is the font's ascent plus descent, as a positive GDI height asks.
bool SetCellHeight(FT_Face face, int cellHeight) {
    FT_Size_RequestRec request = {};
    request.type = FT_SIZE_REQUEST_TYPE_REAL_DIM;
    request.height = cellHeight * FONT_UNITS_PER_PIXEL;
    return FT_Request_Size(face, &request) == 0;
}

}  // namespace

SdlFontFace::SdlFontFace(const char* faceName, int cellHeight) : _library(nullptr), _face(nullptr) {
    const std::string fontFile = FindFontFile(faceName);
    if (fontFile.empty() || FT_Init_FreeType(&_library) != 0) return;
    if (FT_New_Face(_library, fontFile.c_str(), 0, &_face) == 0 && !SetCellHeight(_face, cellHeight)) {
        FT_Done_Face(_face);
        _face = nullptr;
    }
}

SdlFontFace::~SdlFontFace() {
    if (_face != nullptr) FT_Done_Face(_face);
    if (_library != nullptr) FT_Done_FreeType(_library);
}

std::uint32_t SdlFontFace::CodePointOfByte(std::uint32_t byte) {
    if (byte >= 0x80 && byte < 0xA0) return WINDOWS_1252_HIGH[byte - 0x80];
    return byte;
}
