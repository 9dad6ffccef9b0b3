#include "Reachability.h"

#include <algorithm>
#include <cmath>
#include <deque>

#include "Game/Baby.h"

namespace {

// Every angle a baby can draw is tried from a spawn, where a narrow way out may be the only
// one; from later ends, 96 spread evenly.
constexpr int RANDOM_NUMBERS = 32768;
constexpr int LATER_STRIDE = RANDOM_NUMBERS / 96;
// A hop ending in a node already reached is not followed again.
constexpr int NODE = 12;
constexpr int NODE_COLUMNS = Level::LEVEL_WIDTH / NODE + 1;
constexpr int NODE_ROWS = Level::LEVEL_HEIGHT / NODE + 1;
constexpr float COVER_STEP = Reachability::CELL / 2.0f;

int CellOf(float coordinate) { return static_cast<int>(coordinate) / Reachability::CELL; }

}  // namespace

Reachability::Reachability(const std::vector<Vec2>& babies) {
    _FindStandable();
    for (const Vec2& spawn : babies) {
        int region = _RegionEntered(spawn);
        if (region < 0) {
            region = GetRegionCount();
            _Explore(spawn);
        }
        _babyRegions.push_back(region);
    }
}

void Reachability::_FindStandable() {
    _standable.assign(static_cast<std::size_t>(COLUMNS) * ROWS, 0);
    const int radius = static_cast<int>(Baby::CONTACT_RADIUS);
    for (int row = 0; row < ROWS; ++row) {
        for (int column = 0; column < COLUMNS; ++column) {
            const int x = column * CELL + CELL / 2;
            const int y = row * CELL + CELL / 2;
            _standable[_Index(column, row)] = theLevel.IsAreaClear(x, y, static_cast<float>(radius)) ? 1 : 0;
        }
    }
}

// A still region's cell stands for its one point, not for ground that babies cross.
int Reachability::_RegionCrossing(const Vec2& point) const {
    for (int region = 0; region < GetRegionCount(); ++region) {
        if (!_regions[region].isStill && IsCovered(region, CellOf(point.x), CellOf(point.y))) return region;
    }
    return -1;
}

// The region that a move of the baby's own, one the game's choice of targets accepts from its
// spawn, leads into; -1 when none does, or the baby cannot move at all.
int Reachability::_RegionEntered(const Vec2& spawn) const {
    for (int randomNumber = 0; randomNumber < RANDOM_NUMBERS; ++randomNumber) {
        const Vec2 to = Baby::WanderTarget(spawn, Baby::DegreesOf(randomNumber));
        if (!Baby::CanWander(spawn, to)) continue;
        const int region = _RegionCrossing(to);
        if (region >= 0) return region;
    }
    return -1;
}

// Breadth first over the hops' ends, one end followed per node.
void Reachability::_Explore(const Vec2& start) {
    std::vector<char> covered(static_cast<std::size_t>(COLUMNS) * ROWS, 0);
    std::vector<char> reachedNodes(static_cast<std::size_t>(NODE_COLUMNS) * NODE_ROWS, 0);
    std::deque<Vec2> ends = {start};
    _Cover(covered, start, start);
    int hops = 0;
    while (!ends.empty()) {
        const Vec2 from = ends.front();
        ends.pop_front();
        const int stride = from == start ? 1 : LATER_STRIDE;
        for (int randomNumber = 0; randomNumber < RANDOM_NUMBERS; randomNumber += stride) {
            const Vec2 to = Baby::WanderTarget(from, Baby::DegreesOf(randomNumber));
            if (!Baby::CanWander(from, to)) continue;
            ++hops;
            _Cover(covered, from, to);
            char& node = reachedNodes[static_cast<int>(to.y) / NODE * NODE_COLUMNS + static_cast<int>(to.x) / NODE];
            if (node == 0) ends.push_back(to);
            node = 1;
        }
    }
    _regions.push_back({std::move(covered), start, hops == 0});
}

void Reachability::_Cover(std::vector<char>& covered, const Vec2& from, const Vec2& to) const {
    const Vec2 line = to - from;
    const int steps = static_cast<int>(line.Length() / COVER_STEP);
    for (int step = 0; step <= steps; ++step) {
        const Vec2 point = steps == 0 ? from : from + line * (static_cast<float>(step) / static_cast<float>(steps));
        covered[_Index(CellOf(point.x), CellOf(point.y))] = 1;
    }
}

// A still baby touches only what lies within reach of its spawn itself.
bool Reachability::Reaches(int region, const Vec2& point, float distance) const {
    if (_regions[region].isStill) return (_regions[region].spawn - point).Length() < distance;
    const int first = std::max(CellOf(point.x - distance), 0);
    const int last = std::min(CellOf(point.x + distance), COLUMNS - 1);
    const int bottom = std::max(CellOf(point.y - distance), 0);
    const int top = std::min(CellOf(point.y + distance), ROWS - 1);
    for (int row = bottom; row <= top; ++row) {
        for (int column = first; column <= last; ++column) {
            if (!IsCovered(region, column, row)) continue;
            // The nearest point of the cell to `point`.
            const float nearestX = std::clamp(point.x, static_cast<float>(column * CELL), (column + 1.0f) * CELL);
            const float nearestY = std::clamp(point.y, static_cast<float>(row * CELL), (row + 1.0f) * CELL);
            if ((Vec2(nearestX, nearestY) - point).Length() < distance) return true;
        }
    }
    return false;
}

bool Reachability::AnyReaches(const Vec2& point, float distance) const {
    for (int region = 0; region < GetRegionCount(); ++region) {
        if (Reaches(region, point, distance)) return true;
    }
    return false;
}

bool Reachability::IsUnreachedFloor(int column, int row) const {
    if (!IsStandable(column, row)) return false;
    for (int region = 0; region < GetRegionCount(); ++region) {
        if (IsCovered(region, column, row)) return false;
    }
    return true;
}
