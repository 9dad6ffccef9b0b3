#include "LevelCheck.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <vector>

#include "Game/Baby.h"
#include "Game/Mine.h"
#include "NearMiss.h"

namespace {

constexpr std::size_t PLACES_SHOWN = 4;
// Unreached floor smaller than this many coverage cells is the estimate's noise.
constexpr int LEAST_FLOOR_CELLS = 6;
constexpr int HEARTS = 2;

int Channel(std::uint32_t color, int shift) { return static_cast<int>((color >> shift) & 0xFF); }

std::string Rgb(std::uint32_t color) {
    return "(" + std::to_string(Channel(color, 16)) + ", " + std::to_string(Channel(color, 8)) + ", " +
           std::to_string(Channel(color, 0)) + ")";
}

std::string At(int x, int y) { return "(" + std::to_string(x) + "," + std::to_string(y) + ")"; }

std::string At(const Vec2& point) { return At(static_cast<int>(point.x), static_cast<int>(point.y)); }

}  // namespace

int LevelCheck::Run() {
    _CheckColors();
    _CheckSpawns();
    _CheckCounts();
    for (int region = 0; region < _reach.GetRegionCount(); ++region) _CheckRegion(region);
    _CheckMines();
    _CheckFloor();
    if (_problems == 0) std::printf("%s: no problems\n", _level.GetName().c_str());
    return _problems;
}

void LevelCheck::_Report(const std::string& problem) {
    std::printf("%s\n", problem.c_str());
    ++_problems;
}

// One line per stray colour, with the first few cells that carry it.
void LevelCheck::_CheckColors() {
    std::map<std::uint32_t, std::vector<std::string>> strays;
    for (int y = 0; y < Level::LEVEL_HEIGHT; ++y) {
        for (int x = 0; x < Level::LEVEL_WIDTH; ++x) {
            const std::uint32_t color = theLevel.GetDataColor(x, y);
            if (NearMiss::Of(color) != nullptr) strays[color].push_back(At(x, y));
        }
    }
    for (const auto& [color, places] : strays) {
        const NearMiss::Code& code = *NearMiss::Of(color);
        std::string line = "colour " + Rgb(color) + " is close to the " + code.meaning + " code " + Rgb(code.color) +
                           " but is open floor to the game: " + std::to_string(places.size()) + " cell(s) at";
        for (std::size_t i = 0; i < std::min(places.size(), PLACES_SHOWN); ++i) line += " " + places[i];
        _Report(places.size() > PLACES_SHOWN ? line + " ..." : line);
    }
}

// The game keeps a baby's square of 2 x 20 units, and a mine's of 2 x 10, off blocked cells.
void LevelCheck::_CheckSpawns() {
    const auto& babies = _level.GetBabies();
    for (std::size_t i = 0; i < babies.size(); ++i) {
        if (theLevel.IsAreaClear(static_cast<int>(babies[i].x), static_cast<int>(babies[i].y), Baby::CONTACT_RADIUS))
            continue;
        _Report("baby " + std::to_string(i + 1) + " at " + At(babies[i]) + " spawns on blocked cells");
    }
    for (const Vec2& mine : _level.GetMines()) {
        if (theLevel.IsAreaClear(static_cast<int>(mine.x), static_cast<int>(mine.y), Mine::MINE_RADIUS)) continue;
        _Report("mine at " + At(mine) + " spawns on blocked cells");
    }
}

void LevelCheck::_CheckCounts() {
    const std::size_t babies = _level.GetBabies().size();
    const std::size_t mines = _level.GetMines().size();
    if (babies == 0) _Report("no babies: the game is lost from its first frame");
    if (mines < HEARTS * babies) {
        _Report(std::to_string(mines) + " mines for " + std::to_string(babies) +
                " babies: fewer than two a baby, so the game never ends");
    }
}

// A baby dies of its second mine: a region needs two mines for each of its babies, or the
// game never ends.
void LevelCheck::_CheckRegion(int region) {
    const auto& mines = _level.GetMines();
    const auto reachable = std::count_if(mines.begin(), mines.end(), [&](const Vec2& mine) {
        return _reach.Reaches(region, mine, Baby::CONTACT_RADIUS + Mine::MINE_RADIUS);
    });
    const auto& babies = _level.GetBabies();
    std::string members;
    int count = 0;
    for (std::size_t i = 0; i < babies.size(); ++i) {
        if (_reach.GetRegionOfBaby(i) != region) continue;
        members += (count++ == 0 ? "" : ", ") + std::to_string(i + 1) + " at " + At(babies[i]);
    }
    if (reachable >= HEARTS * count) return;
    _Report((count == 1 ? "baby " : "babies ") + members + " can reach " +
            (reachable == 0 ? "no mine" : "only " + std::to_string(reachable) + " mine(s)") + ": the game never ends");
}

void LevelCheck::_CheckMines() {
    for (const Vec2& mine : _level.GetMines()) {
        if (!_reach.AnyReaches(mine, Baby::CONTACT_RADIUS + Mine::MINE_RADIUS)) {
            _Report("mine at " + At(mine) + " is out of every baby's reach");
        }
    }
}

// Patches of floor where a baby would fit but none gets, each flooded once.
void LevelCheck::_CheckFloor() {
    std::vector<char> seen(static_cast<std::size_t>(Reachability::COLUMNS) * Reachability::ROWS, 0);
    for (int row = 0; row < Reachability::ROWS; ++row) {
        for (int column = 0; column < Reachability::COLUMNS; ++column) {
            if (seen[row * Reachability::COLUMNS + column] || !_reach.IsUnreachedFloor(column, row)) continue;
            const Patch patch = _Flood(column, row, seen);
            if (patch.cells < LEAST_FLOOR_CELLS) continue;
            constexpr int CELL = Reachability::CELL;
            _Report("floor from " + At(patch.left * CELL, patch.bottom * CELL) + " to " +
                    At((patch.right + 1) * CELL, (patch.top + 1) * CELL) +
                    " has room for a baby, but no baby can get there");
        }
    }
}

// The unreached floor joined to a cell, through edges and corners.
LevelCheck::Patch LevelCheck::_Flood(int column, int row, std::vector<char>& seen) const {
    Patch patch = {0, column, row, column, row};
    std::vector<std::pair<int, int>> pending = {{column, row}};
    seen[row * Reachability::COLUMNS + column] = 1;
    while (!pending.empty()) {
        const auto [c, r] = pending.back();
        pending.pop_back();
        ++patch.cells;
        patch.left = std::min(patch.left, c);
        patch.right = std::max(patch.right, c);
        patch.bottom = std::min(patch.bottom, r);
        patch.top = std::max(patch.top, r);
        for (int next = 0; next < 9; ++next) {
            const int nc = c + next % 3 - 1;
            const int nr = r + next / 3 - 1;
            if (nc < 0 || nr < 0 || nc >= Reachability::COLUMNS || nr >= Reachability::ROWS) continue;
            if (seen[nr * Reachability::COLUMNS + nc] || !_reach.IsUnreachedFloor(nc, nr)) continue;
            seen[nr * Reachability::COLUMNS + nc] = 1;
            pending.emplace_back(nc, nr);
        }
    }
    return patch;
}
