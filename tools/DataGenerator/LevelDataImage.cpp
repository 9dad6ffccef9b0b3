#include "LevelDataImage.h"

#include <algorithm>
#include <cmath>

namespace {

const Rgba OPEN = Rgba::FromHex(0x000000);
const Rgba MINE = Rgba::FromHex(0xFF0000);
const Rgba BABY = Rgba::FromHex(0x00FF00);
const Rgba SPIN = Rgba::FromHex(0x00FFFF);
const Rgba FURNITURE = Rgba::FromHex(0xFF00FF);
const Rgba TURRET = Rgba::FromHex(0xFFFF00);
const Rgba WALL = Rgba::FromHex(0xFFFFFF);

}  // namespace

LevelDataImage::LevelDataImage(const LevelLayout& layout) : _layout(layout), _canvas(SIZE, SIZE, OPEN) {
    _PaintCells();
    _PaintSpawns(layout.GetMines(), MINE);
    _PaintSpawns(layout.GetBabies(), BABY);
    _PaintSpawns(layout.GetTurrets(), TURRET);
}

// Rugs first, then everything that blocks over them: a cell under both is blocked.
void LevelDataImage::_PaintCells() {
    for (const Rug& rug : _layout.GetRugs()) _PaintArea(rug.shape, SPIN);
    for (const Piece& piece : _layout.GetPieces()) {
        const bool isWall = piece.kind == Piece::Kind::WALL || piece.kind == Piece::Kind::HEART_BOARD;
        _PaintArea(piece.footprint, isWall ? WALL : FURNITURE);
    }
}

// Every cell of the level whose centre lies inside `area`.
void LevelDataImage::_PaintArea(const Shape& area, const Rgba& color) {
    const Shape::Bounds bounds = area.GetBounds();
    const int left = std::max(static_cast<int>(std::floor(bounds.left)), 0);
    const int bottom = std::max(static_cast<int>(std::floor(bounds.bottom)), 0);
    const int right = std::min(static_cast<int>(std::ceil(bounds.right)), LevelLayout::WIDTH);
    const int top = std::min(static_cast<int>(std::ceil(bounds.top)), LevelLayout::HEIGHT);
    for (int y = bottom; y < top; ++y) {
        for (int x = left; x < right; ++x) {
            if (area.Contains({x + 0.5, y + 0.5})) _canvas.Set(x, y + FIRST_LEVEL_ROW, color);
        }
    }
}

// An entity stands on the lower left corner of its cell.
void LevelDataImage::_PaintSpawns(const std::vector<Point>& places, const Rgba& color) {
    for (const Point& place : places) {
        _canvas.Set(static_cast<int>(std::floor(place.x)), static_cast<int>(std::floor(place.y)) + FIRST_LEVEL_ROW,
                    color);
    }
}
