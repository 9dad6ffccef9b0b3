#pragma once
// Which texels of an image are transparent (alpha 0), counted so that any rectangle of texels
// is told in constant time: a summed-area table of the texels that are not.
#include <GLES2/gl2.h>

#include <cstdint>
#include <memory>

struct GlesTexelBox {
    int x0, y0, x1, y1;  // texels, both corners included
};

class GlesAlphaMap {
public:
    // From RGBA texels, rows bottom up. Where memory runs out there is no table, and every
    // texel counts as seen.
    GlesAlphaMap(const GLubyte* texels, int width, int height);
    // Every texel of the box, which may reach outside the image, transparent; outside texels
    // count as seen.
    bool IsClear(const GlesTexelBox& box) const;
    // The smallest box holding the texels of `box` that are not transparent; false if none.
    bool SeenBox(const GlesTexelBox& box, GlesTexelBox* seen) const;

private:
    std::uint32_t _At(int x, int y) const { return _seen[static_cast<std::size_t>(y) * (_width + 1) + x]; }

    int _width, _height;
    std::unique_ptr<std::uint32_t[]> _seen;  // (width + 1) x (height + 1), a zero row and column first
};
