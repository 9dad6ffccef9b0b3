#pragma once
#include <string>

// The readout's glyphs ("0" to "9", " ", "f", "p", "s"), rendered once with FreeType into one
// alpha texture, and a text's quads from it.
class FloorGlyphs {
public:
    static constexpr int ATLAS_SIDE = 256;

    // False when the font cannot be read. Needs a current GL context.
    bool Load(const std::string& fontFile, int pixels);
    unsigned GetTexture() const { return _texture; }
    // Appends four vertices (x, y) and texture coordinates per glyph of `text`, starting at
    // the baseline's left end; returns the number of vertices appended.
    int AppendQuads(const char* text, float x, float baseline, float* vertices, float* texCoords) const;

private:
    struct Glyph {
        float u0, v0, u1, v1;
        int left, top, width, height, advance;
    };
    unsigned _texture = 0;
    Glyph _glyphs[128] = {};
};
