#include "GlesShelves.h"

namespace {

constexpr int GAP = 1;  // so that no rectangle's filtering reaches into another

}  // namespace

bool GlesShelves::Place(int width, int height, int* x, int* y) {
    if (width > _width) return false;
    if (_x + width > _width) {
        _x = 0;
        _y += _shelfHeight + GAP;
        _shelfHeight = 0;
    }
    if (_y + height > _height) return false;
    *x = _x;
    *y = _y;
    _x += width + GAP;
    if (height > _shelfHeight) _shelfHeight = height;
    return true;
}

void GlesShelves::Clear() {
    _x = 0;
    _y = 0;
    _shelfHeight = 0;
}
