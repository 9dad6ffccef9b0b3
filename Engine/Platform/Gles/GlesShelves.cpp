#include "GlesShelves.h"

namespace {

constexpr int GAP = 1;  // so that no rectangle's filtering reaches into another

}  // namespace

bool GlesShelves::Place(int width, int height, int* x, int* y) {
    if (width > _size) return false;
    if (_x + width > _size) {
        _x = 0;
        _y += _height + GAP;
        _height = 0;
    }
    if (_y + height > _size) return false;
    *x = _x;
    *y = _y;
    _x += width + GAP;
    if (height > _height) _height = height;
    return true;
}

void GlesShelves::Clear() {
    _x = 0;
    _y = 0;
    _height = 0;
}
