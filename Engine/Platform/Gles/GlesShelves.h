#pragma once
// Places rectangles in a square texture in rows (shelves) from the bottom up, a texel apart,
// for as long as they fit; nothing placed is ever moved or freed, short of starting afresh.
class GlesShelves {
public:
    explicit GlesShelves(int size) : _size(size), _x(0), _y(0), _height(0) {}
    // Where a rectangle of width x height goes; false when it does not fit in what is left.
    bool Place(int width, int height, int* x, int* y);
    void Clear();
    int Size() const { return _size; }

private:
    int _size;
    int _x, _y, _height;  // the open shelf: its next free column, its bottom, its height so far
};
