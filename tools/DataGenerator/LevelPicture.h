#pragma once
#include "Canvas.h"
#include "DecorArt.h"
#include "FurnitureArt.h"
#include "LevelLayout.h"
#include "Painter.h"
#include "RoomArt.h"

// The level's backdrop, 1024 x 1024: the game draws it centred at (512, 256), so its top
// 768 rows are the screen and the 256 rows below lie under it, out of sight.
class LevelPicture {
public:
    static constexpr int SIZE = 1024;
    static constexpr int FIRST_LEVEL_ROW = 256;

    explicit LevelPicture(const LevelLayout& layout);

    const Canvas& GetCanvas() const { return _canvas; }

private:
    void _PaintFloor(Painter& painter) const;
    void _PaintShadows(Painter& painter) const;
    void _PaintPiece(Painter& painter, const Piece& piece) const;

    const LevelLayout& _layout;
    Canvas _canvas;
    FurnitureArt _furnitureArt;
    DecorArt _decorArt;
    RoomArt _roomArt;
};
