#include "LevelLayout.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double WALL_THICKNESS = 24.0;
constexpr double TURRET_PAD_RADIUS = 14.0;

// A baby's contact square reaches 20 cells below and left of it, 19 above and right.
constexpr double BABY_REACH = 20.0;
constexpr double FIRST_TUNNEL_Y = 64.0;
constexpr double TUNNEL_PITCH = 48.0;
constexpr double TUNNEL_LENGTH = 205.0;
constexpr double LAST_RAIL = 20.0;
// Babies that share a tunnel wait one behind the other, each for its own way out.
constexpr double BABY_SPACING = 34.0;
// Tunnels from the bottom up, by how many babies wait in each. The heart board leaves room for
// one tunnel on the left; the bookcase stands above the right-hand ones.
const std::vector<int> LEFT_TUNNELS = {3};
const std::vector<int> RIGHT_TUNNELS = {2, 2, 2, 2, 3, 3, 3};

// Mines on a grid where furniture or a wall is within a few units, none near a tunnel's
// mouth, so that a baby's way to its end runs through a wait in its tunnel and two searches.
// A sparser grid in the open as well: once the mines that babies find first are gone, the last
// babies still meet one now and then, rather than hunting long for the last ones by the walls.
constexpr double MINE_GRID = 36.0;
constexpr double MINE_GRID_START = 40.0;
constexpr double MINE_CLEARANCE = 16.0;  // a mine lies on open floor, seen whole
constexpr double MINE_HUG = 26.0;
constexpr double MOUTH_ROOM = 60.0;
constexpr double OPEN_MINE_GRID = 80.0;
constexpr double ANYWHERE = 1.0e9;

// The board behind the hearts reaches one margin below the last row.
constexpr double HEART_BOARD_WIDTH = 128.0;
constexpr double HEART_BOARD_MARGIN = 20.0;

using Kind = Piece::Kind;
using Style = Rug::Style;

}  // namespace

// A nursery: the crib, a plant, a toy chest and a dresser against the top wall, a bookcase on
// the right, an armchair by the bottom wall, a play table, a beanbag and a rocking horse in the
// room; turrets stand guard in the open. Twenty babies start in play tunnels along the side
// walls, and most mines lie along the walls and the furniture, where babies pass less often.
LevelLayout LevelLayout::Level02() {
    LevelLayout layout;
    layout._pieces = {
        {Kind::CRIB, Shape::Rect(400.0, 630.0, 600.0, 744.0)},
        {Kind::DRESSER, Shape::Rect(820.0, 680.0, 1000.0, 744.0)},
        {Kind::BOOKCASE, Shape::Rect(948.0, 400.0, 1000.0, 600.0)},
        {Kind::TOY_CHEST, Shape::Rect(150.0, 668.0, 290.0, 744.0, 4.0)},
        {Kind::ARMCHAIR, Shape::Box({640.0, 90.0}, 62.0, 56.0, 18.0, 20.0)},
        {Kind::PLAY_TABLE, Shape::Circle({330.0, 470.0}, 52.0)},
        {Kind::PLANT, Shape::Circle({345.0, 712.0}, 24.0)},
        {Kind::BEANBAG, Shape::Ellipse({240.0, 585.0}, 46.0, 38.0, 20.0)},
        {Kind::ROCKING_HORSE, Shape::Ellipse({625.0, 335.0}, 58.0, 22.0, 25.0)},
    };
    layout._rugs = {
        {Style::STARRY_NIGHT, Shape::Circle({540.0, 420.0}, 92.0)},
        {Style::PINWHEEL, Shape::Ellipse({450.0, 150.0}, 100.0, 62.0)},
        {Style::RAINBOW, Shape::Box({740.0, 600.0}, 80.0, 50.0, 22.0)},
    };
    layout._turrets = {{360.0, 300.0}, {860.0, 470.0}, {640.0, 560.0}, {590.0, 240.0}};
    layout._AddPlayTunnels(WALL_THICKNESS, WALL_THICKNESS + TUNNEL_LENGTH, LEFT_TUNNELS);
    layout._AddPlayTunnels(WIDTH - WALL_THICKNESS, WIDTH - WALL_THICKNESS - TUNNEL_LENGTH, RIGHT_TUNNELS);
    layout._AddWalls();
    layout._AddHeartBoard();
    layout._AddTurretPads();
    layout._AddMines();
    return layout;
}

// The pen's fence keeps babies 20 units off, and mines lie inside it, further than 30
// units (contact plus mine radius) from any place a baby can stand.
LevelLayout LevelLayout::Crowd(int babies, int mines) {
    constexpr double PEN_RIGHT = 380.0;
    constexpr double FENCE_WIDTH = 4.0;
    LevelLayout layout;
    layout._AddWalls();
    layout._pieces.push_back({Kind::WALL, Shape::Rect(PEN_RIGHT, WALL_THICKNESS, PEN_RIGHT + FENCE_WIDTH,
                                                      HEIGHT - WALL_THICKNESS)});
    layout._mines = _Grid(WALL_THICKNESS + MINE_CLEARANCE, WALL_THICKNESS + MINE_CLEARANCE, PEN_RIGHT - MINE_CLEARANCE,
                          HEIGHT - WALL_THICKNESS - MINE_CLEARANCE, mines);
    const double reach = BABY_REACH + 2.0;
    layout._babies = _Grid(PEN_RIGHT + FENCE_WIDTH + reach, WALL_THICKNESS + reach, WIDTH - WALL_THICKNESS - reach,
                           HEIGHT - WALL_THICKNESS - reach, babies);
    return layout;
}

// `count` whole-cell places spread evenly over a rectangle, row by row.
std::vector<Point> LevelLayout::_Grid(double left, double bottom, double right, double top, int count) {
    std::vector<Point> places;
    if (count <= 0) return places;
    const double width = right - left;
    const double height = top - bottom;
    const int columns = std::max(1, static_cast<int>(std::ceil(std::sqrt(count * width / height))));
    const int rows = (count + columns - 1) / columns;
    for (int index = 0; index < count; ++index) {
        const double x = left + width * (index % columns) / std::max(1, columns - 1);
        const double y = bottom + height * (index / columns) / std::max(1, rows - 1);
        places.push_back({std::floor(x), std::floor(y)});
    }
    return places;
}

// Tunnels side by side, each a corridor whose 40 rows just hold a baby's contact square, with
// babies from its closed end on: a baby leaves only by a choice that runs straight down its
// tunnel, and one that finds none waits for its next think, so babies set off one by one.
// Each baby's game is that wait and two searches for a mine; the last of many such babies
// dies at a steadier time than the last of a few.
void LevelLayout::_AddPlayTunnels(double closedEndX, double openEndX, const std::vector<int>& babiesPerTunnel) {
    const double left = std::min(closedEndX, openEndX);
    const double right = std::max(closedEndX, openEndX);
    const double inward = openEndX > closedEndX ? 1.0 : -1.0;
    const double firstBabyX = closedEndX + inward * (BABY_REACH + 2.0);
    double railBottom = WALL_THICKNESS;
    for (std::size_t tunnel = 0; tunnel < babiesPerTunnel.size(); ++tunnel) {
        const double babyY = FIRST_TUNNEL_Y + TUNNEL_PITCH * static_cast<double>(tunnel);
        _pieces.push_back({Kind::PLAY_TUNNEL, Shape::Rect(left, railBottom, right, babyY - BABY_REACH)});
        for (int baby = 0; baby < babiesPerTunnel[tunnel]; ++baby) {
            _babies.push_back({firstBabyX + inward * BABY_SPACING * baby, babyY});
        }
        railBottom = babyY + BABY_REACH;
    }
    _pieces.push_back({Kind::PLAY_TUNNEL, Shape::Rect(left, railBottom, right, railBottom + LAST_RAIL)});
    _tunnels.push_back(Shape::Rect(left - MOUTH_ROOM, WALL_THICKNESS, right + MOUTH_ROOM, railBottom + LAST_RAIL));
}

bool LevelLayout::_IsNearTunnel(Point place) const {
    return std::any_of(_tunnels.begin(), _tunnels.end(), [&](const Shape& tunnel) { return tunnel.Contains(place); });
}

bool LevelLayout::_IsNearMine(Point place) const {
    return std::any_of(_mines.begin(), _mines.end(), [&](const Point& mine) {
        const Point offset = mine - place;
        return std::hypot(offset.x, offset.y) < MINE_GRID;
    });
}

void LevelLayout::_AddMines() {
    _AddMineGrid(MINE_GRID_START, MINE_GRID, MINE_HUG);
    _AddMineGrid(OPEN_MINE_GRID / 2.0, OPEN_MINE_GRID, ANYWHERE);
}

// Mines at the points of a square grid that lie on open floor, away from the tunnels' mouths
// and within `hug` of something that blocks or a rug. None lies closer to another than the
// first grid's pitch, so that no two are drawn over each other.
void LevelLayout::_AddMineGrid(double start, double pitch, double hug) {
    const Shape room = GetRoomInside();
    for (double y = start; y < HEIGHT; y += pitch) {
        for (double x = start; x < WIDTH; x += pitch) {
            const Point place{x, y};
            if (room.Contains(place) && IsClearAround(place, MINE_CLEARANCE) && !IsClearAround(place, hug) &&
                !_IsNearTunnel(place) && !_IsNearMine(place)) {
                _mines.push_back(place);
            }
        }
    }
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
