#pragma once
// The textures and bitmap fonts that scenes draw with, made alike in each context: sprites
// whose transparent margins can be cut away (a mine), sprites that reach their frame's edge (a
// strip of four frames), pictures without alpha (one in a page, one too tall for a page),
// translucent and noisy images, and the uploads that the sharing of images must tell apart
// (a twin, an image without alpha of the same texels, the first rows of an image alone). Two
// texture names are scratch: a scene may upload another image to them.
#include <vector>

#include "GlCalls.h"

class SceneAssets {
public:
    static constexpr int IMAGES = 10;
    static constexpr int SLOTS = 12;  // the images' textures, then the two scratch ones
    static constexpr int FIRST_SCRATCH = 10;
    // Glyphs 16 x 250: more than the subset's glyph atlas holds at once (60), so that it starts again.
    static constexpr int LARGE_GLYPHS = 100;

    // On the context current, through `gl`.
    void Create(const GlCalls& gl);
    // The scratch textures as Create left them (uploaded again only if a scene changed them).
    void Reset(const GlCalls& gl);
    void Upload(const GlCalls& gl, int slot, int image);
    GLuint Texture(int slot) const { return _names[static_cast<std::size_t>(slot)]; }
    GLuint SmallFont() const { return _smallFont; }
    GLuint LargeFont() const { return _largeFont; }
    // Texels across and up of an image (for a strip, of the whole strip).
    static int Width(int image);
    static int Height(int image);
    static bool IsStrip(int image) { return image == 1; }

private:
    std::vector<GLuint> _names;
    std::vector<int> _scratchImages;
    bool _isScratchChanged = false;
    GLuint _smallFont = 0;
    GLuint _largeFont = 0;
};
