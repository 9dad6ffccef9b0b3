#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "LoadedLevel.h"
#include "Reachability.h"

// Everything in a loaded level that a player would run into, printed one problem a line with
// level coordinates (x to the right, y up from the bottom, as in the game's spawn lines).
class LevelCheck {
public:
    LevelCheck(const LoadedLevel& level, const Reachability& reach) : _level(level), _reach(reach) {}

    // The number of problems printed.
    int Run();

private:
    struct Patch {
        int cells;
        int left, bottom, right, top;  // in coverage cells
    };

    void _CheckColors();
    void _CheckSpawns();
    void _CheckCounts();
    void _CheckRegion(int region);
    void _CheckMines();
    void _CheckFloor();
    Patch _Flood(int column, int row, std::vector<char>& seen) const;
    void _Report(const std::string& problem);

    const LoadedLevel& _level;
    const Reachability& _reach;
    int _problems = 0;
};
