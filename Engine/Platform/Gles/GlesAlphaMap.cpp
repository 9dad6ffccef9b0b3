#include "GlesAlphaMap.h"

#include <new>

namespace {

// The first index from `low` to `high` whose box up to it is not clear; there is one.
template <typename IsClearUpTo>
int FirstSeen(int low, int high, IsClearUpTo isClearUpTo) {
    while (low < high) {
        const int middle = low + (high - low) / 2;
        if (isClearUpTo(middle)) {
            low = middle + 1;
        } else {
            high = middle;
        }
    }
    return low;
}

// The last index from `low` to `high` whose box from it on is not clear; there is one.
template <typename IsClearFrom>
int LastSeen(int low, int high, IsClearFrom isClearFrom) {
    while (low < high) {
        const int middle = high - (high - low) / 2;
        if (isClearFrom(middle)) {
            high = middle - 1;
        } else {
            low = middle;
        }
    }
    return low;
}

}  // namespace

GlesAlphaMap::GlesAlphaMap(const GLubyte* texels, int width, int height)
    : _width(width),
      _height(height),
      _seen(new (std::nothrow) std::uint32_t[static_cast<std::size_t>(width + 1) * (height + 1)]) {
    if (!_seen) return;
    const auto stride = static_cast<std::size_t>(width + 1);
    for (std::size_t x = 0; x < stride; ++x) _seen[x] = 0;
    for (int y = 0; y < height; ++y) {
        std::uint32_t* row = &_seen[static_cast<std::size_t>(y + 1) * stride];
        const std::uint32_t* below = row - stride;
        const GLubyte* alpha = texels + static_cast<std::size_t>(y) * width * 4 + 3;
        std::uint32_t inRow = 0;
        row[0] = 0;
        for (int x = 0; x < width; ++x, alpha += 4) {
            inRow += *alpha != 0 ? 1 : 0;
            row[x + 1] = below[x + 1] + inRow;
        }
    }
}

bool GlesAlphaMap::IsClear(const GlesTexelBox& box) const {
    if (!_seen || box.x0 < 0 || box.y0 < 0 || box.x1 >= _width || box.y1 >= _height) return false;
    if (box.x0 > box.x1 || box.y0 > box.y1) return true;
    return _At(box.x1 + 1, box.y1 + 1) - _At(box.x0, box.y1 + 1) - _At(box.x1 + 1, box.y0) + _At(box.x0, box.y0) == 0;
}

// Each side found by halving: what lies beyond it is clear, and the texels on it are not. A box
// reaching outside the image is its own.
bool GlesAlphaMap::SeenBox(const GlesTexelBox& box, GlesTexelBox* seen) const {
    *seen = box;
    if (IsClear(box)) return false;
    if (!_seen || box.x0 < 0 || box.y0 < 0 || box.x1 >= _width || box.y1 >= _height) return true;
    GlesTexelBox& found = *seen;
    found.x0 = FirstSeen(box.x0, box.x1, [&](int x) { return IsClear({box.x0, box.y0, x, box.y1}); });
    found.x1 = LastSeen(found.x0, box.x1, [&](int x) { return IsClear({x, box.y0, box.x1, box.y1}); });
    found.y0 = FirstSeen(box.y0, box.y1, [&](int y) { return IsClear({found.x0, box.y0, found.x1, y}); });
    found.y1 = LastSeen(found.y0, box.y1, [&](int y) { return IsClear({found.x0, y, found.x1, box.y1}); });
    return true;
}
