#include "LevelPicture.h"

#include "FloorArt.h"
#include "RugArt.h"

namespace {

// Light falls from the top left, so shadows fall to the bottom right.
const Point SHADOW_OFFSET{5.0, -6.0};
constexpr double SHADOW_SOFTNESS = 7.0;
constexpr double SHADOW_OPACITY = 0.32;
const Point RUG_SHADOW_OFFSET{1.0, -1.5};
constexpr double RUG_SHADOW_SOFTNESS = 2.5;
constexpr double RUG_SHADOW_OPACITY = 0.22;

}  // namespace

LevelPicture::LevelPicture(const LevelLayout& layout) : _layout(layout), _canvas(SIZE, SIZE, Rgba::FromHex(0x000000)) {
    Painter painter(_canvas, {0.0, static_cast<double>(FIRST_LEVEL_ROW)},
                    {0.0, 0.0, static_cast<double>(SIZE), static_cast<double>(SIZE)});
    _PaintFloor(painter);
    _PaintShadows(painter);
    for (const Piece& piece : layout.GetPieces()) {
        if (piece.kind == Piece::Kind::HEART_BOARD) _roomArt.PaintWallTrim(painter, layout.GetRoomInside());
        _PaintPiece(painter, piece);
    }
}

void LevelPicture::_PaintFloor(Painter& painter) const {
    FloorArt().Paint(painter, Shape::Rect(0.0, -FIRST_LEVEL_ROW, SIZE, LevelLayout::HEIGHT));
    const RugArt rugArt;
    for (const Rug& rug : _layout.GetRugs()) {
        painter.Shadow(rug.shape.Moved(RUG_SHADOW_OFFSET), RUG_SHADOW_SOFTNESS, RUG_SHADOW_OPACITY);
        rugArt.Paint(painter, rug);
    }
}

void LevelPicture::_PaintShadows(Painter& painter) const {
    for (const Piece& piece : _layout.GetPieces()) {
        painter.Shadow(piece.footprint.Moved(SHADOW_OFFSET), SHADOW_SOFTNESS, SHADOW_OPACITY);
    }
}

void LevelPicture::_PaintPiece(Painter& painter, const Piece& piece) const {
    const Shape& footprint = piece.footprint;
    switch (piece.kind) {
        case Piece::Kind::WALL: _roomArt.PaintWall(painter, footprint); break;
        case Piece::Kind::HEART_BOARD:
            _roomArt.PaintHeartBoard(painter, footprint, static_cast<int>(_layout.GetBabies().size()));
            break;
        case Piece::Kind::TURRET_PAD: _roomArt.PaintTurretPad(painter, footprint); break;
        case Piece::Kind::CRIB: _furnitureArt.PaintCrib(painter, footprint); break;
        case Piece::Kind::DRESSER: _furnitureArt.PaintDresser(painter, footprint); break;
        case Piece::Kind::BOOKCASE: _furnitureArt.PaintBookcase(painter, footprint); break;
        case Piece::Kind::TOY_CHEST: _furnitureArt.PaintToyChest(painter, footprint); break;
        case Piece::Kind::ARMCHAIR: _furnitureArt.PaintArmchair(painter, footprint); break;
        case Piece::Kind::PLAY_TABLE: _decorArt.PaintPlayTable(painter, footprint); break;
        case Piece::Kind::PLANT: _decorArt.PaintPlant(painter, footprint); break;
        case Piece::Kind::BEANBAG: _decorArt.PaintBeanbag(painter, footprint); break;
        case Piece::Kind::ROCKING_HORSE: _decorArt.PaintRockingHorse(painter, footprint); break;
        case Piece::Kind::PLAY_TUNNEL: _decorArt.PaintTunnelRail(painter, footprint); break;
    }
}
