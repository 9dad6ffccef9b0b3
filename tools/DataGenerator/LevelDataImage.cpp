#include "LevelDataImage.h"

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

void LevelDataImage::_PaintCells() {
    for (int y = 0; y < LevelLayout::HEIGHT; ++y) {
        for (int x = 0; x < LevelLayout::WIDTH; ++x) _canvas.Set(x, y + FIRST_LEVEL_ROW, _CellColor({x + 0.5, y + 0.5}));
    }
}

Rgba LevelDataImage::_CellColor(Point center) const {
    for (const Piece& piece : _layout.GetPieces()) {
        if (!piece.footprint.Contains(center)) continue;
        return piece.kind == Piece::Kind::WALL || piece.kind == Piece::Kind::HEART_BOARD ? WALL : FURNITURE;
    }
    return _layout.IsRugAt(center) ? SPIN : OPEN;
}

// An entity stands on the lower left corner of its cell.
void LevelDataImage::_PaintSpawns(const std::vector<Point>& places, const Rgba& color) {
    for (const Point& place : places) {
        _canvas.Set(static_cast<int>(std::floor(place.x)), static_cast<int>(std::floor(place.y)) + FIRST_LEVEL_ROW,
                    color);
    }
}
