#pragma once
// Places rectangles in a texture in rows (shelves) from the bottom up, a texel apart, for as
// long as they fit; nothing placed is ever moved or freed, short of starting afresh.
class GlesShelves {
public:
    GlesShelves(int width, int height) : _width(width), _height(height), _x(0), _y(0), _shelfHeight(0) {}
    // Where a rectangle of width x height goes; false when it does not fit in what is left.
    bool Place(int width, int height, int* x, int* y);
    void Clear();

private:
    int _width, _height;
    int _x, _y, _shelfHeight;  // the open shelf: its next free column, its bottom, its height so far
};
