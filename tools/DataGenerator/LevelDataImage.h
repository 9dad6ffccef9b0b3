#pragma once
#include "Canvas.h"
#include "LevelLayout.h"

// The level's data image: one pixel a cell, coloured with the codes the game reads. The
// level's cells are the top 768 rows; the 256 rows below are never read and stay black.
class LevelDataImage {
public:
    static constexpr int SIZE = 1024;
    static constexpr int FIRST_LEVEL_ROW = 256;

    explicit LevelDataImage(const LevelLayout& layout);

    const Canvas& GetCanvas() const { return _canvas; }

private:
    void _PaintCells();
    void _PaintArea(const Shape& area, const Rgba& color);
    void _PaintSpawns(const std::vector<Point>& places, const Rgba& color);

    const LevelLayout& _layout;
    Canvas _canvas;
};
