#pragma once
#include <vector>

#include "Piece.h"
#include "Point.h"
#include "Rug.h"

// Where everything of a level lies, in level units (one unit a cell, origin at the bottom
// left of the 1024 x 768 level, y up). The picture and the data image are both drawn from
// this one description.
class LevelLayout {
public:
    static constexpr int WIDTH = 1024;
    static constexpr int HEIGHT = 768;
    // The game shows baby n's hearts in a row at (32 + 64 i, 768 - 32 n), i = 0 and 1.
    static constexpr double HEART_FIRST_X = 32.0;
    static constexpr double HEART_SPACING = 64.0;
    static constexpr double HEART_ROW_PITCH = 32.0;

    static LevelLayout Level02();
    // A crowd for measuring: `babies` babies wander the right of the room while `mines`
    // mines lie in a fenced pen on the left, out of every baby's reach, so that the whole
    // crowd keeps crawling.
    static LevelLayout Crowd(int babies, int mines);

    const std::vector<Piece>& GetPieces() const { return _pieces; }
    const std::vector<Rug>& GetRugs() const { return _rugs; }
    const std::vector<Point>& GetBabies() const { return _babies; }
    const std::vector<Point>& GetMines() const { return _mines; }
    const std::vector<Point>& GetTurrets() const { return _turrets; }

    // The floor inside the walls.
    Shape GetRoomInside() const;
    // Whether nothing that blocks, and no rug, comes within `clearance` of `place`.
    bool IsClearAround(Point place, double clearance) const;

private:
    void _AddWalls();
    void _AddHeartBoard();
    void _AddTurretPads();
    void _AddPlayTunnels(double closedEndX, double openEndX, const std::vector<int>& babiesPerTunnel);
    void _AddMines();
    void _AddMineGrid(double start, double pitch, double hug);
    bool _IsNearTunnel(Point place) const;
    bool _IsNearMine(Point place) const;
    static std::vector<Point> _Grid(double left, double bottom, double right, double top, int count);

    std::vector<Piece> _pieces;
    std::vector<Rug> _rugs;
    std::vector<Point> _babies;
    std::vector<Point> _mines;
    std::vector<Point> _turrets;
    std::vector<Shape> _tunnels;
};
