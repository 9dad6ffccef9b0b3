#include "LevelTemplate.h"

#include <cstdio>
#include <cstdlib>

#include "Game/Level.h"
#include "LoadedLevel.h"
#include "tools/DataGenerator/Canvas.h"
#include "tools/DataGenerator/OutputFile.h"
#include "tools/DataGenerator/TgaWriter.h"

namespace {

constexpr int IMAGE_SIDE = 1024;
constexpr int FIRST_LEVEL_ROW = IMAGE_SIDE - Level::LEVEL_HEIGHT;  // stored row of the level's y = 0
constexpr int WALL = 16;
constexpr int TURRET_X = 512, TURRET_Y = 384, TURRET_BASE = 14;
constexpr int RUG_LEFT = 120, RUG_BOTTOM = 520, RUG_RIGHT = 320, RUG_TOP = 660;
constexpr int BABIES[][2] = {{200, 200}, {820, 200}, {512, 600}};
constexpr int MINES[][2] = {{300, 420}, {720, 420}, {400, 140}, {640, 140},
                            {250, 620}, {780, 640}, {512, 250}, {900, 430}};
constexpr std::uint32_t FLOOR = 0x000000;
constexpr std::uint32_t BELOW_SCREEN = 0x303030;  // the picture's rows under the screen, never shown
const char* const SPRITE_FOLDERS[] = {"Baby", "Misc", "Turret"};

bool IsAt(const int (&place)[2], int x, int y) { return place[0] == x && place[1] == y; }

Rgba ToRgba(std::uint32_t color) { return Rgba::FromHex(color); }

}  // namespace

std::uint32_t LevelTemplate::_DataColor(int x, int y) {
    const bool isWall = x < WALL || y < WALL || x >= Level::LEVEL_WIDTH - WALL || y >= Level::LEVEL_HEIGHT - WALL;
    if (isWall) return Level::WALL_COLOR;
    const int dx = x - TURRET_X, dy = y - TURRET_Y;
    if (dx == 0 && dy == 0) return Level::TURRET_COLOR;
    if (dx * dx + dy * dy <= TURRET_BASE * TURRET_BASE) return Level::BLOCKED_COLOR;
    for (const auto& baby : BABIES) {
        if (IsAt(baby, x, y)) return Level::BABY_COLOR;
    }
    for (const auto& mine : MINES) {
        if (IsAt(mine, x, y)) return Level::MINE_COLOR;
    }
    if (x >= RUG_LEFT && x < RUG_RIGHT && y >= RUG_BOTTOM && y < RUG_TOP) return Level::SPIN_COLOR;
    return FLOOR;
}

std::uint32_t LevelTemplate::_PictureColor(std::uint32_t dataColor) {
    switch (dataColor) {
        case Level::WALL_COLOR: return 0x6B4A32;     // brown walls
        case Level::BLOCKED_COLOR:
        case Level::TURRET_COLOR: return 0x5A5A60;   // the turret's grey base
        case Level::SPIN_COLOR: return 0x4F7FB8;     // a blue rug
        default: return 0xD8C7A4;                    // a sand-coloured floor
    }
}

bool LevelTemplate::Write(const std::filesystem::path& folder, const std::string& name, const InstalledGame& game) {
    const std::filesystem::path picture = folder / LoadedLevel::PictureFile(name);
    const std::filesystem::path data = folder / LoadedLevel::DataFile(name);
    for (const auto& path : {picture, data}) {
        std::error_code error;
        if (!std::filesystem::exists(path, error)) continue;
        std::fprintf(stderr, "cribblestorm-level new: %s exists already; new never overwrites a level\n", path.c_str());
        return false;
    }
    return _WriteImage(picture, true) && _WriteImage(data, false) && _CopySprites(folder, game);
}

bool LevelTemplate::_WriteImage(const std::filesystem::path& path, bool isPicture) {
    Canvas canvas(IMAGE_SIDE, IMAGE_SIDE, ToRgba(isPicture ? BELOW_SCREEN : FLOOR));
    for (int y = 0; y < Level::LEVEL_HEIGHT; ++y) {
        for (int x = 0; x < Level::LEVEL_WIDTH; ++x) {
            const std::uint32_t color = _DataColor(x, y);
            canvas.Set(x, y + FIRST_LEVEL_ROW, ToRgba(isPicture ? _PictureColor(color) : color));
        }
    }
    return OutputFile::Write(path, TgaWriter::Encode(canvas, 24));
}

// The game reads its sprites from the folder it starts in, and so does this tool.
bool LevelTemplate::_CopySprites(const std::filesystem::path& folder, const InstalledGame& game) {
    if (game.GetDataFolder().empty()) {
        std::fprintf(stderr, "cribblestorm-level new: the game's data folder is not where this tool expects it, so "
                     "the sprite folders Baby, Misc and Turret could not be copied into %s\n", folder.c_str());
        return false;
    }
    for (const char* sprites : SPRITE_FOLDERS) {
        std::error_code error;
        std::filesystem::copy(game.GetDataFolder() / sprites, folder / sprites,
                              std::filesystem::copy_options::recursive | std::filesystem::copy_options::skip_existing,
                              error);
        if (!error) continue;
        std::fprintf(stderr, "cribblestorm-level new: cannot copy %s into %s: %s\n",
                     (game.GetDataFolder() / sprites).c_str(), folder.c_str(), error.message().c_str());
        return false;
    }
    return true;
}
