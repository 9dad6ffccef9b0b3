#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "LevelFiles.h"
#include "LoadedLevel.h"
#include "Reachability.h"
#include "UnreachedFloor.h"

// Everything in a loaded level that a player would run into, printed one problem a line with
// level coordinates (x to the right, y up from the bottom, as in the game's spawn lines), and
// colours that are no code, which the game takes for floor, as warnings.
class LevelCheck {
public:
    LevelCheck(const LevelFiles& files, const LoadedLevel& level, const Reachability& reach,
               const UnreachedFloor& unreached)
        : _files(files), _level(level), _reach(reach), _unreached(unreached) {}

    // The number of problems printed; warnings do not count.
    int Run();

    // How many cells carry a colour, and where the first few are.
    struct Cells {
        int count = 0;
        std::vector<std::string> first;
    };

private:
    void _CheckUpsideDown();
    void _CheckPicture();
    void _CheckColors();
    void _ReportColor(std::uint32_t color, const Cells& places);
    void _CheckSpawns();
    void _CheckTurrets();
    void _CheckCounts();
    void _CheckRegion(int region);
    void _CheckMines();
    void _CheckFloor();
    void _CheckFirstCrawls();
    void _Report(const std::string& problem);

    const LevelFiles& _files;
    const LoadedLevel& _level;
    const Reachability& _reach;
    const UnreachedFloor& _unreached;
    int _problems = 0;
    int _warnings = 0;
};
