#include "LevelLayout.h"

#include <algorithm>

namespace {

constexpr double WALL_THICKNESS = 24.0;
constexpr double TURRET_PAD_RADIUS = 14.0;

// The board behind the hearts reaches one margin below the last row.
constexpr double HEART_BOARD_WIDTH = 128.0;
constexpr double HEART_BOARD_MARGIN = 20.0;

using Kind = Piece::Kind;
using Style = Rug::Style;

}  // namespace

// A nursery: the crib against the top wall, a dresser and a bookcase on the right, a toy
// chest and an armchair in the bottom corners, a play table, a beanbag and a rocking horse
// in the room; turrets stand guard in the open. The mines lie mostly off the babies' busiest
// ground, so that the last of ten babies takes two to five minutes to find its second.
LevelLayout LevelLayout::Level02() {
    LevelLayout layout;
    layout._pieces = {
        {Kind::CRIB, Shape::Rect(400.0, 630.0, 600.0, 744.0)},
        {Kind::DRESSER, Shape::Rect(820.0, 680.0, 1000.0, 744.0)},
        {Kind::BOOKCASE, Shape::Rect(948.0, 360.0, 1000.0, 580.0)},
        {Kind::TOY_CHEST, Shape::Rect(24.0, 24.0, 164.0, 100.0, 4.0)},
        {Kind::ARMCHAIR, Shape::Box({925.0, 100.0}, 62.0, 56.0, 18.0, 45.0)},
        {Kind::PLAY_TABLE, Shape::Circle({300.0, 460.0}, 52.0)},
        {Kind::PLANT, Shape::Circle({58.0, 388.0}, 24.0)},
        {Kind::BEANBAG, Shape::Ellipse({200.0, 660.0}, 46.0, 38.0, 20.0)},
        {Kind::ROCKING_HORSE, Shape::Ellipse({700.0, 280.0}, 58.0, 22.0, 25.0)},
    };
    layout._rugs = {
        {Style::STARRY_NIGHT, Shape::Circle({555.0, 390.0}, 92.0)},
        {Style::PINWHEEL, Shape::Ellipse({270.0, 170.0}, 100.0, 62.0)},
        {Style::RAINBOW, Shape::Box({740.0, 600.0}, 80.0, 50.0, 22.0)},
    };
    layout._turrets = {{470.0, 250.0}, {830.0, 440.0}, {150.0, 300.0}, {640.0, 560.0}};
    layout._babies = {{120.0, 200.0}, {380.0, 100.0}, {600.0, 190.0}, {820.0, 300.0}, {880.0, 580.0},
                      {700.0, 690.0}, {330.0, 600.0}, {190.0, 540.0}, {450.0, 480.0}, {690.0, 430.0}};
    layout._mines = {
        {840.0, 48.0}, {832.0, 88.0}, {56.0, 120.0}, {480.0, 128.0}, {848.0, 136.0}, {880.0, 168.0}, {976.0, 176.0},
        {976.0, 216.0}, {448.0, 224.0}, {488.0, 224.0}, {744.0, 256.0}, {168.0, 272.0}, {976.0, 296.0},
        {120.0, 312.0}, {968.0, 336.0}, {56.0, 344.0}, {928.0, 352.0}, {200.0, 392.0}, {928.0, 392.0}, {336.0, 400.0},
        {856.0, 416.0}, {928.0, 432.0}, {224.0, 456.0}, {800.0, 456.0}, {928.0, 472.0}, {928.0, 520.0},
        {264.0, 552.0}, {608.0, 568.0}, {536.0, 576.0}, {976.0, 600.0}, {152.0, 608.0}, {224.0, 608.0},
        {616.0, 624.0}, {912.0, 656.0}, {968.0, 656.0}, {264.0, 664.0}, {800.0, 672.0}, {368.0, 712.0},
        {192.0, 720.0}, {232.0, 720.0}, {272.0, 720.0}, {328.0, 720.0}, {624.0, 720.0}, {792.0, 720.0},
    };
    layout._AddWalls();
    layout._AddHeartBoard();
    layout._AddTurretPads();
    return layout;
}

void LevelLayout::_AddWalls() {
    _pieces.push_back({Kind::WALL, Shape::Rect(0.0, 0.0, WIDTH, WALL_THICKNESS)});
    _pieces.push_back({Kind::WALL, Shape::Rect(0.0, HEIGHT - WALL_THICKNESS, WIDTH, HEIGHT)});
    _pieces.push_back({Kind::WALL, Shape::Rect(0.0, 0.0, WALL_THICKNESS, HEIGHT)});
    _pieces.push_back({Kind::WALL, Shape::Rect(WIDTH - WALL_THICKNESS, 0.0, WIDTH, HEIGHT)});
}

void LevelLayout::_AddHeartBoard() {
    const double bottom = HEIGHT - HEART_ROW_PITCH * static_cast<double>(_babies.size()) - HEART_BOARD_MARGIN;
    _pieces.push_back({Kind::HEART_BOARD, Shape::Rect(0.0, bottom, HEART_BOARD_WIDTH, HEIGHT)});
}

void LevelLayout::_AddTurretPads() {
    for (const Point& turret : _turrets) {
        _pieces.push_back({Kind::TURRET_PAD, Shape::Circle(turret, TURRET_PAD_RADIUS)});
    }
}

Shape LevelLayout::GetRoomInside() const {
    return Shape::Rect(WALL_THICKNESS, WALL_THICKNESS, WIDTH - WALL_THICKNESS, HEIGHT - WALL_THICKNESS);
}

bool LevelLayout::IsClearAround(Point place, double clearance) const {
    const auto isClear = [&](const Shape& shape) { return shape.DistanceAt(place) >= clearance; };
    return std::all_of(_pieces.begin(), _pieces.end(), [&](const Piece& piece) { return isClear(piece.footprint); }) &&
           std::all_of(_rugs.begin(), _rugs.end(), [&](const Rug& rug) { return isClear(rug.shape); });
}
