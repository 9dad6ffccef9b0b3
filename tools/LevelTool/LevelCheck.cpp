#include "LevelCheck.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <vector>

#include "Game/Baby.h"
#include "Game/Mine.h"
#include "FirstCrawls.h"
#include "Game/Turret.h"
#include "NearMiss.h"

namespace {

constexpr std::size_t PLACES_SHOWN = 4;
constexpr int HEARTS = 2;
constexpr int PICTURE_SIDE = 1024;  // a frame as tall as the level's picture is drawn on the screen

int Channel(std::uint32_t color, int shift) { return static_cast<int>((color >> shift) & 0xFF); }

std::string Rgb(std::uint32_t color) {
    return "(" + std::to_string(Channel(color, 16)) + ", " + std::to_string(Channel(color, 8)) + ", " +
           std::to_string(Channel(color, 0)) + ")";
}

std::string At(int x, int y) { return "(" + std::to_string(x) + "," + std::to_string(y) + ")"; }

std::string At(const Vec2& point) { return At(static_cast<int>(point.x), static_cast<int>(point.y)); }

std::string Places(const LevelCheck::Cells& cells) {
    std::string text = std::to_string(cells.count) + " cell(s) at";
    for (const std::string& place : cells.first) text += " " + place;
    return cells.count > static_cast<int>(PLACES_SHOWN) ? text + " ..." : text;
}

}  // namespace

int LevelCheck::Run() {
    _CheckUpsideDown();
    _CheckPicture();
    _CheckColors();
    _CheckSpawns();
    _CheckTurrets();
    _CheckCounts();
    for (int region = 0; region < _reach.GetRegionCount(); ++region) _CheckRegion(region);
    _CheckMines();
    _CheckFloor();
    _CheckFirstCrawls();
    if (_problems == 0) {
        const std::string warnings = _warnings == 0 ? "" : ", " + std::to_string(_warnings) + " warning(s)";
        std::printf("%s: no problems%s\n", _level.GetName().c_str(), warnings.c_str());
    }
    return _problems;
}

void LevelCheck::_Report(const std::string& problem) {
    std::printf("%s\n", problem.c_str());
    ++_problems;
}

// Makers who write files top row first: flagged, or with the level's content where the game
// reads nothing.
void LevelCheck::_CheckUpsideDown() {
    for (const std::string& line : _files.GetUpsideDown()) _Report(line);
    const int below = _level.GetCodesBelowLevel();
    if (below == 0) return;
    _Report(LoadedLevel::DataFile(_level.GetName()) + " looks upside down: " + std::to_string(below) +
            " cell(s) of colour codes lie in its stored rows 0 to 255, which the game never reads (stored row s is "
            "level row s - 256, bottom first): flip the image vertically");
}

// The game draws the picture as frames as wide as it is tall, centred on (512,256): only a
// 1024-pixel frame covers the screen.
void LevelCheck::_CheckPicture() {
    const int width = _level.GetPictureWidth();
    const int height = _level.GetPictureHeight();
    if (height == PICTURE_SIDE && width >= PICTURE_SIDE && width % PICTURE_SIDE == 0) return;
    _Report("picture " + LoadedLevel::PictureFile(_level.GetName()) + " is " + std::to_string(width) + " x " +
            std::to_string(height) + " pixels: the game draws it as " + std::to_string(height) + " x " +
            std::to_string(height) + " frames centred on (512,256), so it must be 1024 x 1024 "
            "(or 1024 tall and a multiple of 1024 wide, one frame per 1024, to animate)");
}

// One line per colour that is neither a code nor black floor, with the first few cells that carry it.
void LevelCheck::_CheckColors() {
    std::map<std::uint32_t, Cells> strays;
    for (int y = 0; y < Level::LEVEL_HEIGHT; ++y) {
        for (int x = 0; x < Level::LEVEL_WIDTH; ++x) {
            const std::uint32_t color = theLevel.GetDataColor(x, y);
            if (!NearMiss::IsStray(color)) continue;
            Cells& cells = strays[color];
            if (cells.count++ < static_cast<int>(PLACES_SHOWN)) cells.first.push_back(At(x, y));
        }
    }
    for (const auto& [color, cells] : strays) _ReportColor(color, cells);
}

// A colour close to a code is almost surely a slip; any other is floor drawn unusually.
void LevelCheck::_ReportColor(std::uint32_t color, const Cells& places) {
    if (const NearMiss::Code* code = NearMiss::Of(color)) {
        _Report("colour " + Rgb(color) + " is close to the " + code->meaning + " code " + Rgb(code->color) +
                " but is open floor to the game: " + Places(places));
        return;
    }
    std::printf("warning: colour %s is no code, so the game takes it for open floor: %s\n", Rgb(color).c_str(),
                Places(places).c_str());
    ++_warnings;
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

// Only the turret's own cell is blocked: the rest of its ring must be blocked too, or babies
// crawl under the drawn turret.
void LevelCheck::_CheckTurrets() {
    const int radius = static_cast<int>(Turret::RING_RADIUS);
    for (const Vec2& turret : _level.GetTurrets()) {
        int open = 0;
        for (int dy = -radius; dy <= radius; ++dy) {
            for (int dx = -radius; dx <= radius; ++dx) {
                const int x = static_cast<int>(turret.x) + dx;
                const int y = static_cast<int>(turret.y) + dy;
                if (dx * dx + dy * dy <= radius * radius && theLevel.GetCell(x, y) != Level::CELL_BLOCKED) ++open;
            }
        }
        if (open == 0) continue;
        _Report("turret at " + At(turret) + " stands on open floor: " + std::to_string(open) + " cell(s) within " +
                std::to_string(radius) + " of it are not blocked, so babies crawl through it");
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
    const std::string still = _reach.IsStill(region) ? " cannot move (no point 200 away is clear to crawl to) and" : "";
    _Report((count == 1 ? "baby " : "babies ") + members + still + " can reach " +
            (reachable == 0 ? "no mine" : "only " + std::to_string(reachable) + " mine(s)") +
            ": the game never ends");
}

void LevelCheck::_CheckMines() {
    for (const Vec2& mine : _level.GetMines()) {
        if (!_reach.AnyReaches(mine, Baby::CONTACT_RADIUS + Mine::MINE_RADIUS)) {
            _Report("mine at " + At(mine) + " is out of every baby's reach");
        }
    }
}

void LevelCheck::_CheckFloor() {
    constexpr int CELL = Reachability::CELL;
    for (const UnreachedFloor::Patch& patch : _unreached.GetPatches()) {
        _Report("floor from " + At(patch.left * CELL, patch.bottom * CELL) + " to " +
                At((patch.right + 1) * CELL, (patch.top + 1) * CELL) +
                " has room for a baby, but no baby can get there (orange in the preview)");
    }
}

void LevelCheck::_CheckFirstCrawls() {
    const auto& babies = _level.GetBabies();
    const FirstCrawls crawls(_level, _reach);
    for (const FirstCrawls::Carried& carried : crawls.GetCarried()) {
        std::printf("warning: baby %d at %s: when the game's first frame (its start-up) takes %d to %d ms (%d of the "
                    "lengths 1 to %d ms), its first crawl passes its target and carries it over blocked cells at %s "
                    "to %s, off the ground it can crawl back from (see \"Why babies jump at the start\" in the level "
                    "guide)\n",
                    carried.baby, At(babies[carried.baby - 1]).c_str(), carried.shortestMs, carried.longestMs,
                    carried.count, FirstCrawls::LONGEST_FIRST_MS, At(carried.cell).c_str(), At(carried.end).c_str());
        ++_warnings;
    }
}
