#pragma once
#include <cstddef>
#include <vector>

#include "Engine/Vec2.h"
#include "Game/Level.h"

// Where the babies of theLevel can go under the game's own choice of targets: from each spawn,
// hops to the points a baby's choice would accept, and again from where the hops end, until
// they reach no new part of the level. A baby belongs to a region when one of its own first
// moves ends on ground the region crosses; a baby that no angle lets move is a region of its
// own, just its spawn. Beyond the spawns the directions sample the angles a baby may draw: a
// close estimate, not proof.
class Reachability {
public:
    static constexpr int CELL = 8;  // side of a cell of the coverage grid, in level units
    static constexpr int COLUMNS = Level::LEVEL_WIDTH / CELL;
    static constexpr int ROWS = Level::LEVEL_HEIGHT / CELL;

    explicit Reachability(const std::vector<Vec2>& babies);

    int GetRegionCount() const { return static_cast<int>(_regions.size()); }
    int GetRegionOfBaby(std::size_t baby) const { return _babyRegions[baby]; }
    // Whether the region is one baby that no move leads out of its spawn.
    bool IsStill(int region) const { return _regions[region].isStill; }
    // Whether a baby of the region passes through the cell.
    bool IsCovered(int region, int column, int row) const {
        return _regions[region].covered[_Index(column, row)] != 0;
    }
    // Whether a baby's contact square fits around the cell's centre.
    bool IsStandable(int column, int row) const { return _standable[_Index(column, row)] != 0; }
    // Whether a baby of the region passes closer to `point` than `distance`.
    bool Reaches(int region, const Vec2& point, float distance) const;
    bool AnyReaches(const Vec2& point, float distance) const;
    // Floor where a baby would fit but none gets.
    bool IsUnreachedFloor(int column, int row) const;

private:
    static int _Index(int column, int row) { return row * COLUMNS + column; }
    void _FindStandable();
    int _RegionCrossing(const Vec2& point) const;
    int _RegionEntered(const Vec2& spawn) const;
    void _Explore(const Vec2& start);
    void _Cover(std::vector<char>& covered, const Vec2& from, const Vec2& to) const;

    struct Region {
        std::vector<char> covered;
        Vec2 spawn;     // where its exploration started
        bool isStill;   // no move leads out of the spawn
    };

    std::vector<char> _standable;
    std::vector<Region> _regions;
    std::vector<int> _babyRegions;
};
